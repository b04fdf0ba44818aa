// The text pane a host fills: owns lines and styles, loads and saves settings, draws its lines.
#pragma once

#include "textview/model/PaneModel.h"
#include "textview/widgets/AnsiView.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

class CAnsiEditView : public CAnsiView {
    Q_OBJECT

public:
    static constexpr std::uint8_t kPerCharacterStyles = PaneModel::kPerCharacterStyles;
    // Margin width the "Zeilennummern anzeigen" option asks for.
    static constexpr int kOptionMarginWidth = 32;

    CAnsiEditView(unsigned maxLineLength, int maxLineCount, std::uint8_t options,
                  const std::string& resourceName, QWidget* parent = nullptr);
    ~CAnsiEditView() override;

    // The host operations, in the order a host uses them.
    void SetSettingsPath(std::optional<std::string> path) {
        model_.SetSettingsPath(std::move(path));
    }
    // Reads the group's font and styles from the machine-wide or the user's hive. True when
    // "Colors" was read; a font found without it is applied all the same.
    bool LoadSettings(const std::string& section, bool machineWide);
    void SetSyntax(const std::optional<std::string>& name);
    int AddStyle(std::uint32_t textColour, std::uint32_t background, const std::string& name,
                 std::uint32_t id, std::uint32_t fontFlags);
    const TextStyle* GetStyle(int index) const { return model_.GetStyle(index); }
    int SetLine(const std::uint8_t* text, int index, int length, int encodingFlags);
    int SetLineStyles(int index, const std::uint8_t* ids, int count, int defaultId, int stride);
    bool Clear();
    virtual const TextLine* GetLine(int index) const { return model_.GetLine(index); }

    // Writes the group's font and styles to the user's hive.
    bool SaveSettings(const std::string& section);
    // Reads the editor options and tab width stored under the options path for `name`.
    bool LoadOptions(const std::string& name, bool machineWide);

    const PaneModel& Model() const { return model_; }
    int LineCount() const override { return model_.LineCount(); }
    int ContentColumns() const override { return model_.WidestLine(); }
    int PrintLine(LinePainter& lines, const QRect& rect, int line, int firstColumn, int columnCount,
                  int flags) override;

protected:
    void VisibleLinesChanged() override;

private:
    void AfterChange();
    StyleValue StyleValueAt(const TextLine& line, int index) const;
    void FillStyleValues(const TextLine& line, int first, int count);

    PaneModel model_;
    std::string optionsName_;
    std::vector<StyleValue> styleValues_;
    int shownLineCount_ = 0;
    int shownWidth_ = 0;
};

} // namespace varnex
