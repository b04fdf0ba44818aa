// The regular-expression elements the pattern menu of the find and replace dialogs inserts,
// in the search engine's own syntax (PCRE2).
#include "textview/model/search/PatternElements.h"

#include <algorithm>
#include <array>

namespace varnex {

namespace {

// Caret offsets for elements the user completes: inside the brackets, after "(" or "(?!".
constexpr int kInsideBrackets = 1;
constexpr int kBeforeClosingBracket = 2;
constexpr int kAfterNegativeLookahead = 6;

constexpr int End(std::string_view syntax) {
    return static_cast<int>(syntax.size());
}

constexpr std::array<PatternElement, 21> kElements = {{
    {1, ".", End("."), "Beliebiges Zeichen: . findet genau ein Zeichen"},
    {2, ".*", End(".*"),
     "Beliebige Zeichenfolge: .* findet jede Folge von Zeichen innerhalb der Zeile"},
    {3, "\\w+", End("\\w+"),
     "Wort: \\w+ findet eine Folge von Buchstaben, Ziffern und '_', auch „Äpfel“"},
    {4, "\\d+", End("\\d+"), "Zahl: \\d+ findet eine Folge von Ziffern wie 2024"},
    {5, "\\s+", End("\\s+"), "Leerraum: \\s+ findet Leerzeichen und Tabulatoren"},
    {6, "\\s*", End("\\s*"),
     "Leerraum oder nichts: \\s* findet Leerzeichen und Tabulatoren oder eine leere Stelle"},
    {7, "^", End("^"), "Zeilenanfang: ^ passt nur am Anfang der Zeile"},
    {8, "$", End("$"), "Zeilenende: $ passt nur am Ende der Zeile"},
    {9, "\\d", End("\\d"), "Einzelne Ziffer: \\d findet genau eine der Ziffern 0 bis 9"},
    {10, "[[:alnum:]]", End("[[:alnum:]]"),
     "Ziffer oder Buchstabe: [[:alnum:]] findet ein Zeichen wie 7, a oder ä"},
    {11, "\\b(?=\\w)", End("\\b(?=\\w)"),
     "Wortanfang: passt an der Stelle, an der ein Wort beginnt"},
    {12, "\\b(?<=\\w)", End("\\b(?<=\\w)"), "Wortende: passt an der Stelle, an der ein Wort endet"},
    {13, "[[:alpha:]]", End("[[:alpha:]]"),
     "Buchstabe: [[:alpha:]] findet einen Buchstaben wie a, Z oder ß"},
    {14, "[]", kInsideBrackets,
     "Zeichen-Auswahl: [aeiou] findet eines der Zeichen zwischen den Klammern"},
    {15, "[]?", kInsideBrackets,
     "Zeichen-Auswahl oder nichts: [+-]? findet eines der Zeichen oder eine leere Stelle"},
    {16, "(|)", kInsideBrackets,
     "Zeichenketten-Auswahl: (rot|grün) findet eine der durch | getrennten Zeichenketten"},
    {17, "[^]", kBeforeClosingBracket,
     "Zeichen nicht aus der Menge: [^0-9] findet ein Zeichen, das keine Ziffer ist"},
    {18, "(?:(?!|).)*", kAfterNegativeLookahead,
     "Text ohne die Zeichenketten: (?:(?!ab|cd).)* findet Text, in dem weder ab noch cd "
     "vorkommt"},
    {19, "\\w*", End("\\w*"),
     "Text aus Wortzeichen oder nichts (strwlen): \\w* findet Buchstaben, Ziffern und '_' in "
     "Folge oder eine leere Stelle"},
    {20, "\\w", End("\\w"),
     "Wortzeichen (strwchar): \\w findet einen Buchstaben, eine Ziffer oder '_'"},
    {21, "\\w?", End("\\w?"),
     "Wortzeichen oder nichts (strwchar): \\w? findet einen Buchstaben, eine Ziffer, '_' oder "
     "eine leere Stelle"},
}};

} // namespace

const PatternElement* FindPatternElement(int code) {
    const auto* element = std::find_if(kElements.begin(), kElements.end(),
                                       [code](const PatternElement& e) { return e.code == code; });
    return element == kElements.end() ? nullptr : element;
}

} // namespace varnex
