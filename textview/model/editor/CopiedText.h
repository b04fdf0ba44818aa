// The text that copying and dragging take from a pane, where a host may say that some lines
// show more than their text.
#pragma once

#include "textview/model/document/TextPosition.h"

#include <functional>
#include <string>

namespace varnex {

class PaneModel;

// How a line goes into copied text: as the pane shows it, as an empty line (it shows something
// only so that the row is visible), or not at all (a row that stands for no line of the text).
enum class CopiedLine { AsShown, Empty, LeftOut };
using CopiedLineRule = std::function<CopiedLine(int line)>;

// The text from `from` to `to`, lines joined by '\n'. Each line but the last brings its line
// break along; a line the rule leaves out takes its break with it.
std::string CopiedTextBetween(const PaneModel& document, TextPosition from, TextPosition to,
                              const CopiedLineRule& rule);

// Whole lines from `first` to `last`, each ended by '\n', as the rule lets them through.
std::string CopiedWholeLines(const PaneModel& document, int first, int last,
                             const CopiedLineRule& rule);

} // namespace varnex
