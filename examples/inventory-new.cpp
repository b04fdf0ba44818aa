// Keeps a small stock list and prints what must be reordered, with quantities.
#include <iostream>
#include <string>
#include <vector>

struct Item {
    std::string name;
    int count;
    int minimum;
    int batch;
};

static std::vector<Item> LoadStock() {
    return {
        {"Schrauben M4", 120, 50, 100},
        {"Muttern M4", 30, 50, 100},
        {"Dübel 6 mm", 12, 40, 50},
        {"Kabelbinder", 5, 20, 100},
    };
}

static bool NeedsReorder(const Item& item) {
    return item.count < item.minimum;
}

// Rounds the shortfall up to whole batches.
static int OrderQuantity(const Item& item) {
    const int shortfall = item.minimum - item.count;
    return (shortfall + item.batch - 1) / item.batch * item.batch;
}

int main() {
    const std::vector<Item> stock = LoadStock();
    int missing = 0;
    for (const Item& item : stock) {
        if (NeedsReorder(item)) {
            std::cout << "Nachbestellen: " << OrderQuantity(item) << " x " << item.name << "\n";
            ++missing;
        }
    }

    std::cout << missing << " Artikel fehlen.\n";
    return missing == 0 ? 0 : 1;
}
