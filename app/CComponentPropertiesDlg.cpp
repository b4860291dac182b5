#include "app/CComponentPropertiesDlg.h"

#include "app/CColorButton.h"
#include "engine/CODFillProperties.h"
#include "platform/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

using Choice = std::pair<const char*, int>;

constexpr Choice kLineStyles[] = {{"Solid", 0}, {"Dash", 1}, {"Dot", 2}, {"Dash-Dot", 3}, {"Dash-Dot-Dot", 4}};
constexpr Choice kFillStyles[] = {{"Solid", CODFillProperties::kSolid}, {"Hatched", CODFillProperties::kHatched}};
// Kept in the list only for a fill that already has them, so it is shown as it is.
constexpr Choice kOtherFillStyles[] = {{"Hollow", CODFillProperties::kHollow}, {"Pattern", CODFillProperties::kPattern}};
constexpr Choice kHatches[] = {{"Horizontal", 0}, {"Vertical", 1}, {"Forward Diagonal", 2},
    {"Backward Diagonal", 3}, {"Cross", 4}, {"Diagonal Cross", 5}};
constexpr Choice kHorizontal[] = {{"Left", 0}, {"Centre", 1}, {"Right", 2}};
constexpr Choice kVertical[] = {{"Top", 0}, {"Centre", 4}, {"Bottom", 8}};

enum Page { kLinePage, kFillPage, kFontPage, kTextPage };

template <std::size_t N>
QComboBox* MakeChoices(QWidget* parent, const char* name, const Choice (&choices)[N])
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (const auto& [text, value] : choices)
        box->addItem(QString::fromLatin1(text), value);
    return box;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const char* text)
{
    auto* check = new QCheckBox(QString::fromLatin1(text), parent);
    check->setObjectName(QString::fromLatin1(name));
    return check;
}

// Selects the item of the value; a value the list does not have is added, so it is kept.
void Select(QComboBox* box, int value, const char* unknownText)
{
    int index = box->findData(value);
    if (index < 0) {
        box->addItem(QString::fromLatin1(unknownText), value);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

const char* OtherFillStyleName(int style)
{
    for (const auto& [text, value] : kOtherFillStyles)
        if (value == style)
            return text;
    return "Other";
}

// The field as the user left it when it differs from what was shown, else as it was read.
template <class T>
void Take(T& result, const T& now, const T& shown)
{
    if (now != shown)
        result = now;
}

}  // namespace

CComponentPropertiesDlg::CComponentPropertiesDlg(
    QWidget* parent, const std::string& strTitle, const CPropertyValues& values)
    : QDialog(parent)
    , m_before(values)
    , m_pTabs(new QTabWidget(this))
{
    setWindowTitle(QtText::Decode(strTitle));
    m_pTabs->insertTab(kLinePage, MakeLinePage(), QStringLiteral("Line"));
    m_pTabs->insertTab(kFillPage, MakeFillPage(), QStringLiteral("Fill"));
    m_pTabs->insertTab(kFontPage, MakeFontPage(), QStringLiteral("Font"));
    m_pTabs->insertTab(kTextPage, MakeTextPage(), QStringLiteral("Text"));
    m_pTabs->setTabVisible(kLinePage, values.line.used);
    m_pTabs->setTabVisible(kFillPage, values.fill.used);
    m_pTabs->setTabVisible(kFontPage, values.font.used);
    m_pTabs->setTabVisible(kTextPage, values.text.used);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(buttons);

    Show(values);
    m_shown = WidgetValues();
}

QWidget* CComponentPropertiesDlg::MakeLinePage()
{
    auto* page = new QWidget(m_pTabs);
    m_pLineTransparent = MakeCheck(page, "lineTransparent", "&Transparent");
    m_pLineColor = new CColorButton(page);
    m_pLineColor->setObjectName(QStringLiteral("lineColor"));
    m_pLineWidth = new QSpinBox(page);
    m_pLineWidth->setObjectName(QStringLiteral("lineWidth"));
    m_pLineWidth->setRange(0, kMaxLinePoints);
    m_pLineWidth->setSuffix(QStringLiteral(" pt"));
    m_pLineStyle = MakeChoices(page, "lineStyle", kLineStyles);
    auto* form = new QFormLayout(page);
    form->addRow(m_pLineTransparent);
    form->addRow(QStringLiteral("&Colour:"), m_pLineColor);
    form->addRow(QStringLiteral("&Width:"), m_pLineWidth);
    form->addRow(QStringLiteral("&Style:"), m_pLineStyle);
    return page;
}

QWidget* CComponentPropertiesDlg::MakeFillPage()
{
    auto* page = new QWidget(m_pTabs);
    m_pFillTransparent = MakeCheck(page, "fillTransparent", "&Transparent");
    m_pFillColor = new CColorButton(page);
    m_pFillColor->setObjectName(QStringLiteral("fillColor"));
    m_pFillStyle = MakeChoices(page, "fillStyle", kFillStyles);
    m_pHatch = MakeChoices(page, "hatch", kHatches);
    connect(m_pFillStyle, &QComboBox::currentIndexChanged, this, [this] { UpdateHatchEnabled(); });
    auto* form = new QFormLayout(page);
    form->addRow(m_pFillTransparent);
    form->addRow(QStringLiteral("&Colour:"), m_pFillColor);
    form->addRow(QStringLiteral("&Style:"), m_pFillStyle);
    form->addRow(QStringLiteral("&Hatch:"), m_pHatch);
    return page;
}

QWidget* CComponentPropertiesDlg::MakeFontPage()
{
    auto* page = new QWidget(m_pTabs);
    m_pFace = new QFontComboBox(page);
    m_pFace->setObjectName(QStringLiteral("face"));
    m_pFontSize = new QSpinBox(page);
    m_pFontSize->setObjectName(QStringLiteral("fontSize"));
    m_pFontSize->setRange(kMinFontPoints, kMaxFontPoints);
    m_pFontSize->setSuffix(QStringLiteral(" pt"));
    m_pBold = MakeCheck(page, "bold", "&Bold");
    m_pItalic = MakeCheck(page, "italic", "&Italic");
    m_pUnderline = MakeCheck(page, "underline", "&Underline");
    m_pStrikeOut = MakeCheck(page, "strikeOut", "Stri&ke-out");
    m_pFontColor = new CColorButton(page);
    m_pFontColor->setObjectName(QStringLiteral("fontColor"));
    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("&Face:"), m_pFace);
    form->addRow(QStringLiteral("Si&ze:"), m_pFontSize);
    form->addRow(m_pBold);
    form->addRow(m_pItalic);
    form->addRow(m_pUnderline);
    form->addRow(m_pStrikeOut);
    form->addRow(QStringLiteral("&Colour:"), m_pFontColor);
    return page;
}

QWidget* CComponentPropertiesDlg::MakeTextPage()
{
    auto* page = new QWidget(m_pTabs);
    m_pText = new QPlainTextEdit(page);
    m_pText->setObjectName(QStringLiteral("text"));
    m_pHorizontal = MakeChoices(page, "horizontal", kHorizontal);
    m_pVertical = MakeChoices(page, "vertical", kVertical);
    m_pWordWrap = MakeCheck(page, "wordWrap", "&Word wrap");
    m_pMultiLine = MakeCheck(page, "multiLine", "&Multi-line");
    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("&Text:"), m_pText);
    form->addRow(QStringLiteral("&Horizontal:"), m_pHorizontal);
    form->addRow(QStringLiteral("&Vertical:"), m_pVertical);
    form->addRow(m_pWordWrap);
    form->addRow(m_pMultiLine);
    return page;
}

void CComponentPropertiesDlg::Show(const CPropertyValues& values)
{
    m_pLineTransparent->setChecked(values.line.transparent);
    m_pLineColor->SetColor(values.line.color);
    m_pLineWidth->setValue(values.line.points);
    Select(m_pLineStyle, values.line.style, "Other");
    m_pFillTransparent->setChecked(values.fill.transparent);
    m_pFillColor->SetColor(values.fill.color);
    Select(m_pFillStyle, values.fill.style, OtherFillStyleName(values.fill.style));
    Select(m_pHatch, values.fill.hatch, "Other");
    UpdateHatchEnabled();
    m_pFace->setCurrentText(QtText::Decode(values.font.face));
    m_pFontSize->setValue(values.font.points);
    m_pBold->setChecked(values.font.bold);
    m_pItalic->setChecked(values.font.italic);
    m_pUnderline->setChecked(values.font.underline);
    m_pStrikeOut->setChecked(values.font.strikeOut);
    m_pFontColor->SetColor(values.font.color);
    m_pText->setPlainText(QtText::Decode(values.text.text));
    m_pText->setEnabled(values.text.editable);
    Select(m_pHorizontal, values.text.horizontal, "Other");
    Select(m_pVertical, values.text.vertical, "Other");
    m_pWordWrap->setChecked(values.text.wordWrap);
    m_pMultiLine->setChecked(values.text.multiLine);
}

void CComponentPropertiesDlg::UpdateHatchEnabled()
{
    m_pHatch->setEnabled(m_pFillStyle->currentData().toInt() == CODFillProperties::kHatched);
}

CPropertyValues CComponentPropertiesDlg::WidgetValues() const
{
    CPropertyValues values = m_before;
    values.line.transparent = m_pLineTransparent->isChecked();
    values.line.color = m_pLineColor->GetColor();
    values.line.points = m_pLineWidth->value();
    values.line.style = m_pLineStyle->currentData().toInt();
    values.fill.transparent = m_pFillTransparent->isChecked();
    values.fill.color = m_pFillColor->GetColor();
    values.fill.style = m_pFillStyle->currentData().toInt();
    values.fill.hatch = m_pHatch->currentData().toInt();
    values.font.face = QtText::Encode(m_pFace->currentText());
    values.font.points = m_pFontSize->value();
    values.font.bold = m_pBold->isChecked();
    values.font.italic = m_pItalic->isChecked();
    values.font.underline = m_pUnderline->isChecked();
    values.font.strikeOut = m_pStrikeOut->isChecked();
    values.font.color = m_pFontColor->GetColor();
    // The editor's line ends are LF; the text keeps its own where it was not edited.
    values.text.text = QtText::Encode(m_pText->toPlainText());
    values.text.horizontal = m_pHorizontal->currentData().toInt();
    values.text.vertical = m_pVertical->currentData().toInt();
    values.text.wordWrap = m_pWordWrap->isChecked();
    values.text.multiLine = m_pMultiLine->isChecked();
    return values;
}

CPropertyValues CComponentPropertiesDlg::GetValues() const
{
    const CPropertyValues now = WidgetValues();
    CPropertyValues result = m_before;
    Take(result.line.transparent, now.line.transparent, m_shown.line.transparent);
    Take(result.line.color, now.line.color, m_shown.line.color);
    Take(result.line.points, now.line.points, m_shown.line.points);
    Take(result.line.style, now.line.style, m_shown.line.style);
    Take(result.fill.transparent, now.fill.transparent, m_shown.fill.transparent);
    Take(result.fill.color, now.fill.color, m_shown.fill.color);
    Take(result.fill.style, now.fill.style, m_shown.fill.style);
    Take(result.fill.hatch, now.fill.hatch, m_shown.fill.hatch);
    Take(result.font.face, now.font.face, m_shown.font.face);
    Take(result.font.points, now.font.points, m_shown.font.points);
    Take(result.font.bold, now.font.bold, m_shown.font.bold);
    Take(result.font.italic, now.font.italic, m_shown.font.italic);
    Take(result.font.underline, now.font.underline, m_shown.font.underline);
    Take(result.font.strikeOut, now.font.strikeOut, m_shown.font.strikeOut);
    Take(result.font.color, now.font.color, m_shown.font.color);
    Take(result.text.text, now.text.text, m_shown.text.text);
    Take(result.text.horizontal, now.text.horizontal, m_shown.text.horizontal);
    Take(result.text.vertical, now.text.vertical, m_shown.text.vertical);
    Take(result.text.wordWrap, now.text.wordWrap, m_shown.text.wordWrap);
    Take(result.text.multiLine, now.text.multiLine, m_shown.text.multiLine);
    return result;
}
