// A compare pane: a text pane whose margin shows file line numbers and the block marker.
#pragma once

#include "app/commands/CommandTable.h"
#include "app/doublepane/MarginLabel.h"
#include "app/doublepane/MarkerIcon.h"
#include "textview/widgets/AnsiEditView.h"

#include <functional>

namespace varnex {

// The pane's own commands (copy, select all, the searches) come through the route while it is
// the active one.
class CComparePane : public CAnsiEditView, public CommandTarget {
    Q_OBJECT

public:
    static constexpr unsigned kMaxLineLength = 2048;
    static constexpr int kMaxLineCount = 65535;
    // Both panes of every compare window share fonts and styles under this name.
    static constexpr const char* kResourceName = "TextDouble";

    using MarginSource = std::function<MarginLabel(int row)>;

    explicit CComparePane(QWidget* parent = nullptr);

    // Where the margin's labels come from; without one the margin counts the pane's lines.
    void SetMarginSource(MarginSource source) { marginSource_ = std::move(source); }
    void PrintLineNumber(QPainter& painter, const QRect& rect, int line) override;

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CommandState& state) override;

signals:
    void FocusGained();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    static const CommandTable<CComparePane>& Commands();
    void Copy(CommandId id);
    CommandState CopyState(CommandId id) const;
    void SelectAllLines(CommandId id);
    CommandState SelectAllState(CommandId id) const;
    void Find(CommandId id);
    CommandState SearchState(CommandId id) const;

    MarginSource marginSource_;
    MarkerIcon marker_;
};

} // namespace varnex
