// A compare pane: a text pane whose margin shows file line numbers and the block marker.
#pragma once

#include "app/doublepane/MarginLabel.h"
#include "app/doublepane/MarkerIcon.h"
#include "textview/widgets/AnsiEditView.h"

#include <functional>

namespace varnex {

class CComparePane : public CAnsiEditView {
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

signals:
    void FocusGained();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    MarginSource marginSource_;
    MarkerIcon marker_;
};

} // namespace varnex
