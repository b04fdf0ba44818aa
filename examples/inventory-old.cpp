// Keeps a small stock list and prints what must be reordered.
#include <iostream>
#include <string>
#include <vector>

struct Item {
    std::string name;
    int count;
    int minimum;
};

static std::vector<Item> LoadStock() {
    return {
        {"Schrauben M4", 120, 50},
        {"Muttern M4", 30, 50},
        {"Unterlegscheiben", 400, 100},
        {"Dübel 6 mm", 12, 40},
    };
}

static bool NeedsReorder(const Item& item) {
    return item.count < item.minimum;
}

int main() {
    const std::vector<Item> stock = LoadStock();
    int missing = 0;
    for (const Item& item : stock) {
        if (NeedsReorder(item)) {
            std::cout << "Nachbestellen: " << item.name << "\n";
            ++missing;
        }
    }
    std::cout << missing << " Artikel fehlen.\n";
    return 0;
}
