// The colours dialog "Farben einstellen".
#include "textview/dialogs/ColoursDlg.h"

#include "textview/dialogs/ColourGrid.h"
#include "textview/dialogs/DialogText.h"
#include "textview/model/settings/PaneTexts.h"
#include "textview/widgets/ClipboardText.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnex {

namespace {

int rememberedStyle = 0;

// Sizes in dialog units: a quarter of the average character width, an eighth of the line height.
constexpr QSize kGridUnits{72, 96};
constexpr QSize kStyleListUnits{130, 84};
constexpr QSize kPreviewPaddingUnits{8, 6};

QSize DialogUnits(const QWidget& widget, QSize units) {
    const QFontMetrics metrics(widget.font());
    static const QString kAlphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int baseWidth = metrics.horizontalAdvance(kAlphabet);
    return {units.width() * baseWidth / (4 * static_cast<int>(kAlphabet.size())),
            units.height() * metrics.height() / 8};
}

QFont WithFontFlags(QFont font, std::uint32_t fontFlags) {
    font.setBold((fontFlags & kFontBold) != 0);
    font.setItalic((fontFlags & kFontItalic) != 0);
    font.setUnderline((fontFlags & kFontUnderline) != 0);
    return font;
}

// The table indices the list shows: with a used-styles set only those, unless that leaves
// nothing or only "Standard" to choose from.
std::vector<int> ListedStyles(const StyleTable& styles, const std::bitset<256>* used) {
    // Styles a host derives for the session are not the user's to change.
    std::vector<int> all;
    for (int index = 0; index < styles.Count(); ++index)
        if (styles.Get(index)->kept) all.push_back(index);
    if (!used) return all;
    std::vector<int> listed;
    for (const int index : all)
        if (index < static_cast<int>(used->size()) && used->test(static_cast<std::size_t>(index)))
            listed.push_back(index);
    if (listed.empty() || listed == std::vector<int>{0}) return all;
    return listed;
}

QString StyleLabel(const TextStyle& style) {
    if (style.name.empty()) return DialogTextWithNumber(kUnnamedStyleText, style.id);
    return BytesToText(style.name, TextEncoding::Windows1252);
}

} // namespace

int RememberedColoursStyle() {
    return rememberedStyle;
}

void RememberColoursStyle(int styleIndex) {
    rememberedStyle = styleIndex;
}

std::optional<QColor> ChooseColourWithDialog(QColor initial, QWidget* parent) {
    for (int slot = 0; slot < QColorDialog::customCount(); ++slot)
        QColorDialog::setCustomColor(slot, initial);
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

// The sunken field that shows "AbcXyz" in the selected style.
class StylePreview : public QFrame {
public:
    StylePreview(std::function<QFont(std::uint32_t)> fontFor, QWidget* parent)
        : QFrame(parent), fontFor_(std::move(fontFor)) {
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        const QFontMetrics metrics(FontFor(kFontVariantMask));
        const QSize padding = DialogUnits(*this, kPreviewPaddingUnits);
        setMinimumSize(metrics.horizontalAdvance(DialogText(kColourPreviewText)) + padding.width(),
                       metrics.height() + padding.height());
    }

    void Show(const TextStyle& style) {
        style_ = style;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(contentsRect(), ColourOf(style_.background, QPalette::Base));
        painter.setFont(FontFor(style_.fontFlags & kFontVariantMask));
        painter.setPen(ColourOf(style_.textColour, QPalette::Text));
        painter.drawText(contentsRect(), Qt::AlignCenter, DialogText(kColourPreviewText));
        painter.end();
        QFrame::paintEvent(event);
    }

private:
    QFont FontFor(std::uint32_t fontFlags) const {
        return fontFor_ ? fontFor_(fontFlags) : WithFontFlags(font(), fontFlags);
    }
    QColor ColourOf(std::uint32_t colour, QPalette::ColorRole windowRole) const {
        return colour == kWindowColour ? palette().color(windowRole) : QColorOf(colour);
    }

    std::function<QFont(std::uint32_t)> fontFor_;
    TextStyle style_;
};

CColoursDlg::CColoursDlg(StyleTable& styles, const std::optional<std::bitset<256>>& usedStyles,
                         ColoursDialogSeams seams, QWidget* parent)
    : QDialog(parent), styles_(styles), usedStyles_(usedStyles), seams_(std::move(seams)) {
    setWindowTitle(DialogText(kColoursCaption));
    for (int index = 0; index < styles_.Count(); ++index) {
        const TextStyle& style = *styles_.Get(index);
        atOpening_.push_back({style.background, style.textColour, style.fontFlags});
    }
    auto* buttons = new QDialogButtonBox;
    ok_ = buttons->addButton(DialogText(kOkText), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(DialogText(kCancelText), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CColoursDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CColoursDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildStyleRow());
    layout->addLayout(BuildColourRow());
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Only a button inside the dialog can become its default, so OK is made one here.
    ok_->setDefault(true);
    ChainTabOrder();

    FillStyleList(RememberedColoursStyle());
    styleList_->setFocus();
}

QLayout* CColoursDlg::BuildStyleRow() {
    styleList_ = new QListWidget;
    styleList_->setAccessibleName(DialogText(kStyleListName));
    styleList_->setFixedSize(DialogUnits(*this, kStyleListUnits));
    connect(styleList_, &QListWidget::currentRowChanged, this, [this] {
        if (const std::optional<int> index = SelectedStyle()) RememberColoursStyle(*index);
        ShowSelectedStyle();
    });
    usedOnly_ = new QCheckBox(DialogText(kCurrentFormatOnlyText));
    usedOnly_->setChecked(usedStyles_.has_value());
    usedOnly_->setEnabled(usedStyles_.has_value());
    connect(usedOnly_, &QCheckBox::toggled, this,
            [this] { FillStyleList(SelectedStyle().value_or(RememberedColoursStyle())); });
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(styleList_);
    listColumn->addWidget(usedOnly_);

    bold_ = new QCheckBox(DialogText(kBoldText));
    italic_ = new QCheckBox(DialogText(kItalicText));
    underline_ = new QCheckBox(DialogText(kUnderlineText));
    preview_ = new StylePreview(seams_.fontFor, this);
    auto* lookColumn = new QVBoxLayout;
    for (QCheckBox* box : {bold_, italic_, underline_}) {
        connect(box, &QCheckBox::clicked, this, &CColoursDlg::ApplyFontBoxes);
        lookColumn->addWidget(box);
    }
    lookColumn->addSpacing(DialogUnits(*this, kPreviewPaddingUnits).height());
    lookColumn->addWidget(preview_, 1);

    auto* row = new QHBoxLayout;
    row->addLayout(listColumn);
    row->addLayout(lookColumn, 1);
    return row;
}

QLayout* CColoursDlg::BuildColourRow() {
    auto* row = new QHBoxLayout;
    row->addWidget(BuildColourGroup(ColourSlot::Background));
    row->addWidget(BuildColourGroup(ColourSlot::Text));
    return row;
}

QWidget* CColoursDlg::BuildColourGroup(ColourSlot slot) {
    const bool background = slot == ColourSlot::Background;
    auto* group = new QGroupBox(DialogText(background ? kBackgroundGroup : kTextColourGroup));
    auto* grid = new ColourGrid(DialogUnits(*this, kGridUnits));
    auto* define =
        new QPushButton(DialogText(background ? kDefineBackgroundText : kDefineTextColourText));
    (background ? backgroundGrid_ : textGrid_) = grid;
    (background ? defineBackground_ : defineText_) = define;
    connect(grid, &ColourGrid::ColourPicked, this,
            [this, slot](std::uint32_t colour) { SetColour(slot, colour); });
    connect(define, &QPushButton::clicked, this, [this, slot] { DefineColour(slot); });
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(grid, 0, Qt::AlignHCenter);
    layout->addWidget(define, 0, Qt::AlignHCenter);
    return group;
}

void CColoursDlg::ChainTabOrder() {
    const QList<QWidget*> order{
        styleList_,        usedOnly_, bold_,       italic_, underline_, backgroundGrid_,
        defineBackground_, textGrid_, defineText_, ok_,     cancel_};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QWidget& CColoursDlg::Preview() const {
    return *preview_;
}

std::optional<int> CColoursDlg::SelectedStyle() const {
    const QListWidgetItem* item = styleList_->currentItem();
    if (!item) return std::nullopt;
    return item->data(Qt::UserRole).toInt();
}

TextStyle* CColoursDlg::Selected() const {
    const std::optional<int> index = SelectedStyle();
    return index ? styles_.Get(*index) : nullptr;
}

void CColoursDlg::FillStyleList(int preferredStyle) {
    const QSignalBlocker blocker(styleList_);
    styleList_->clear();
    const bool usedOnly = usedOnly_->isChecked() && usedStyles_;
    int row = 0;
    for (const int index : ListedStyles(styles_, usedOnly ? &*usedStyles_ : nullptr)) {
        auto* item = new QListWidgetItem(StyleLabel(*styles_.Get(index)), styleList_);
        item->setData(Qt::UserRole, index);
        if (index == preferredStyle) row = styleList_->count() - 1;
    }
    styleList_->setCurrentRow(row);
    ShowSelectedStyle();
}

void CColoursDlg::ShowSelectedStyle() {
    const TextStyle* style = Selected();
    if (!style) return;
    bold_->setChecked((style->fontFlags & kFontBold) != 0);
    italic_->setChecked((style->fontFlags & kFontItalic) != 0);
    underline_->setChecked((style->fontFlags & kFontUnderline) != 0);
    backgroundGrid_->ShowColour(style->background);
    textGrid_->ShowColour(style->textColour);
    preview_->Show(*style);
}

// Flags beyond bold, italic and underline are not the dialog's to change.
void CColoursDlg::ApplyFontBoxes() {
    TextStyle* style = Selected();
    if (!style) return;
    std::uint32_t flags = style->fontFlags & ~kFontVariantMask;
    if (bold_->isChecked()) flags |= kFontBold;
    if (italic_->isChecked()) flags |= kFontItalic;
    if (underline_->isChecked()) flags |= kFontUnderline;
    style->fontFlags = flags;
    preview_->Show(*style);
    NotifyChanged();
}

void CColoursDlg::SetColour(ColourSlot slot, std::uint32_t colour) {
    TextStyle* style = Selected();
    if (!style) return;
    (slot == ColourSlot::Background ? style->background : style->textColour) = colour;
    ShowSelectedStyle();
    NotifyChanged();
}

void CColoursDlg::DefineColour(ColourSlot slot) {
    const TextStyle* style = Selected();
    if (!style) return;
    const bool background = slot == ColourSlot::Background;
    const std::uint32_t current = background ? style->background : style->textColour;
    const QColor initial = current == kWindowColour
                               ? palette().color(background ? QPalette::Base : QPalette::Text)
                               : QColorOf(current);
    if (const std::optional<QColor> chosen = seams_.chooseColour(initial, this))
        SetColour(slot, ColourValueOf(*chosen));
}

void CColoursDlg::NotifyChanged() const {
    if (seams_.changed) seams_.changed();
}

void CColoursDlg::reject() {
    bool restored = false;
    for (int index = 0; index < static_cast<int>(atOpening_.size()); ++index) {
        TextStyle* style = styles_.Get(index);
        const StyleLook& before = atOpening_[static_cast<std::size_t>(index)];
        if (!style || StyleLook{style->background, style->textColour, style->fontFlags} == before)
            continue;
        style->background = before.background;
        style->textColour = before.textColour;
        style->fontFlags = before.fontFlags;
        restored = true;
    }
    if (restored) NotifyChanged();
    QDialog::reject();
}

int RunColoursDialog(StyleTable& styles, const std::optional<std::bitset<256>>& usedStyles,
                     const ColoursDialogSeams& seams, QWidget* parent) {
    CColoursDlg dialog(styles, usedStyles, seams, parent);
    return seams.run(dialog);
}

} // namespace varnex
