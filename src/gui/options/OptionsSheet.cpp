#include "gui/options/OptionsSheet.h"

#include "core/app/Help.h"
#include "core/options/Language.h"
#include "core/options/Settings.h"
#include "core/options/StringIds.h"
#include "gui/platform/MenuBar.h"
#include "qtcore/platform/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>

namespace {

QFont MakeOptionsFont()
{
    QFont font = QFontDatabase::families().contains(QStringLiteral("Tahoma"))
                     ? QFont(QStringLiteral("Tahoma"))
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(13);
    return font;
}

QString Text(int nId)
{
    return ToQString(LoadLangString(nId));
}

template <class T>
T* Add(QLayout* pLayout, const char* pszName)
{
    auto* pControl = new T;
    pControl->setObjectName(QString::fromLatin1(pszName));
    pLayout->addWidget(pControl);
    return pControl;
}

QGroupBox* AddGroup(QBoxLayout* pLayout, QVBoxLayout*& pInside)
{
    auto* pGroup = new QGroupBox;
    pInside = new QVBoxLayout(pGroup);
    pLayout->addWidget(pGroup);
    return pGroup;
}

// A page in a frameless scroll area that asks for the page's whole size, so
// the sheet shows it all where the screen allows and scrolls where it does not.
class CPageScroller : public QScrollArea {
public:
    explicit CPageScroller(QWidget* pPage)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(pPage);
    }
    QSize sizeHint() const override { return widget()->sizeHint(); }
};

QWidget* Scrolled(QWidget* pPage)
{
    return new CPageScroller(pPage);
}

void SetGroupTitle(QWidget* pGroup, int nId)
{
    static_cast<QGroupBox*>(pGroup)->setTitle(Text(nId));
}

// The language buttons stand in the order of the English names in every language.
std::vector<const CLanguage*> LanguagesByEnglishName()
{
    std::vector<const CLanguage*> languages;
    for (const CLanguage& language : Languages())
        languages.push_back(&language);
    std::ranges::sort(languages, {},
                      [](const CLanguage* pLanguage) { return LoadBaseString(pLanguage->m_nNameId); });
    return languages;
}

} // namespace

COptionsPage::COptionsPage(COptionsSheet* pSheet)
{
    setFont(pSheet->OptionsFont);
}

bool COptionsPage::event(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::Show)
        Open();
    return QWidget::event(pEvent);
}

void COptionsPage::Open()
{
    if (m_bInitialised)
        return;
    OnInitDialog();
    m_bInitialised = true;
}

void COptionsPage::OnOK()
{
    if (m_bInitialised)
        Store();
}

void COptionsPage::MakeBoxes(EOptionsPage page)
{
    for (const CStoredOption* pOption : OptionsOnPage(page, EOptionControl::CheckBox)) {
        auto* pBox = new QCheckBox;
        pBox->setObjectName(QString::fromLatin1(pOption->m_pszControl));
        m_boxes.emplace_back(pOption, pBox);
    }
}

QCheckBox* COptionsPage::Box(const char* pszName) const
{
    const auto it = std::find_if(m_boxes.begin(), m_boxes.end(), [pszName](const auto& box) {
        return std::string_view(box.first->m_pszControl) == pszName;
    });
    return it != m_boxes.end() ? it->second : nullptr;
}

void COptionsPage::SetBoxTexts()
{
    for (const auto& [pOption, pBox] : m_boxes)
        pBox->setText(Text(pOption->m_nLabelId));
}

void COptionsPage::FillBoxes(const COptionBoxes& boxes)
{
    for (const auto& [pOption, pBox] : m_boxes)
        pBox->setChecked(boxes.at(pOption));
}

COptionBoxes COptionsPage::ReadBoxes() const
{
    COptionBoxes boxes;
    for (const auto& [pOption, pBox] : m_boxes)
        boxes[pOption] = pBox->isChecked();
    return boxes;
}

COptionsPageGeneral::COptionsPageGeneral(COptionsSheet* pSheet) : COptionsPage(pSheet)
{
    setObjectName(QStringLiteral("general"));
    auto* pPage = new QVBoxLayout(this);
    QVBoxLayout* pInside = nullptr;
    MakeBoxes(EOptionsPage::General);
    m_pGroupData = AddGroup(pPage, pInside);
    pInside->addWidget(Box("fileOpen"));
    pInside->addWidget(Box("lastFile"));

    auto* pRow = new QHBoxLayout;
    pPage->addLayout(pRow);
    m_pGroupLanguage = AddGroup(pRow, pInside);
    m_pLanguages = new QButtonGroup(this);
    for (const CLanguage* pLanguage : LanguagesByEnglishName()) {
        m_languageButtons.emplace_back(pLanguage, Add<QRadioButton>(pInside, pLanguage->m_pszControl));
        m_pLanguages->addButton(m_languageButtons.back().second);
    }
    m_pGroupDate = AddGroup(pRow, pInside);
    m_radioDayFirst = Add<QRadioButton>(pInside, "dayFirst");
    m_radioMonthFirst = Add<QRadioButton>(pInside, "monthFirst");
    pInside->addStretch();
    m_pDateFormats = new QButtonGroup(this);
    m_pDateFormats->addButton(m_radioDayFirst);
    m_pDateFormats->addButton(m_radioMonthFirst);

    auto* pLevelRow = new QHBoxLayout;
    pPage->addLayout(pLevelRow);
    pLevelRow->addWidget(Box("datForPatr"));
    m_editLevel = Add<QLineEdit>(pLevelRow, "level");
    m_editLevel->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    m_editLevel->setMaximumWidth(40);
    m_editLevel->installEventFilter(this);
    auto* pArrows = new QVBoxLayout;
    pArrows->setSpacing(0);
    pLevelRow->addLayout(pArrows);
    for (const auto& [arrow, nStep] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* pButton = new QToolButton;
        pButton->setArrowType(arrow);
        pButton->setAutoRepeat(true);
        pButton->setFixedSize(18, 12);
        pArrows->addWidget(pButton);
        connect(pButton, &QToolButton::clicked, this, [this, nStep = nStep] { StepLevel(nStep); });
    }
    pLevelRow->addStretch();
    pPage->addStretch();
}

// The arrows step the field's own number; the field alone is read on confirm.
void COptionsPageGeneral::StepLevel(int nStep)
{
    const int nLevel = std::clamp(LevelFromText(FromQString(m_editLevel->text())) + nStep, 0, 99);
    m_editLevel->setText(QString::number(nLevel));
}

bool COptionsPageGeneral::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == m_editLevel && pEvent->type() == QEvent::KeyPress) {
        const int nKey = static_cast<QKeyEvent*>(pEvent)->key();
        if (nKey == Qt::Key_Up || nKey == Qt::Key_Down) {
            StepLevel(nKey == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return COptionsPage::eventFilter(pWatched, pEvent);
}

void COptionsPageGeneral::SetTexts()
{
    SetGroupTitle(m_pGroupData, IDS_DATA);
    SetGroupTitle(m_pGroupLanguage, IDS_LANGUAGE);
    SetGroupTitle(m_pGroupDate, IDS_DATE);
    SetBoxTexts();
    for (const auto& [pLanguage, pButton] : m_languageButtons)
        pButton->setText(Text(pLanguage->m_nNameId));
    m_radioDayFirst->setText(Text(IDS_DATE_FORMAT_DOTTED));
    m_radioMonthFirst->setText(Text(IDS_DATE_FORMAT_US));
}

void COptionsPageGeneral::OnInitDialog()
{
    const CGeneralPageValues values = OpenGeneralPage();
    FillBoxes(values.m_boxes);
    for (const auto& [pLanguage, pButton] : m_languageButtons)
        pButton->setChecked(values.m_strLang == pLanguage->m_pszCode);
    m_editLevel->setText(ToQString(values.m_strLevel));
    m_radioDayFirst->setChecked(values.m_nDateFormat == 0);
    m_radioMonthFirst->setChecked(values.m_nDateFormat == 1);
}

void COptionsPageGeneral::Store()
{
    CGeneralPageValues values;
    values.m_boxes = ReadBoxes();
    for (const auto& [pLanguage, pButton] : m_languageButtons) {
        if (pButton->isChecked())
            values.m_strLang = pLanguage->m_pszCode;
    }
    values.m_strLevel = FromQString(m_editLevel->text());
    values.m_nDateFormat = m_radioDayFirst->isChecked() ? 0 : m_radioMonthFirst->isChecked() ? 1 : -1;
    ConfirmGeneralPage(values);
}

COptionsPageDisplay::COptionsPageDisplay(COptionsSheet* pSheet) : COptionsPage(pSheet)
{
    setObjectName(QStringLiteral("display"));
    auto* pPage = new QVBoxLayout(this);
    QVBoxLayout* pInside = nullptr;
    MakeBoxes(EOptionsPage::Display);
    m_pGroupNames = AddGroup(pPage, pInside);
    m_radioAsInNameTag = Add<QRadioButton>(pInside, "asInNameTag");
    m_radioModifications = Add<QRadioButton>(pInside, "modifications");
    pInside->addWidget(Box("sexLetter"));
    for (const char* pszName :
         {"firstNameFirst", "firstNameShort", "middleName", "middleNameShort", "maidenNameFirst", "nickname"}) {
        m_nameBoxes.push_back(Box(pszName));
        pInside->addWidget(m_nameBoxes.back());
    }
    connect(m_radioAsInNameTag, &QRadioButton::toggled, this, &COptionsPageDisplay::ApplyEnableRule);

    auto* pListGroup = new QGroupBox;
    m_pGroupList = pListGroup;
    auto* pGrid = new QGridLayout(pListGroup);
    pGrid->addWidget(Box("birthDate"), 0, 0, 1, 2);
    pGrid->addWidget(Box("age"), 0, 2);
    pGrid->addWidget(Box("deathDate"), 1, 0, 1, 2);
    pGrid->addItem(new QSpacerItem(16, 1), 2, 0);
    pGrid->addWidget(Box("yearOnly"), 2, 1);
    pGrid->setColumnStretch(1, 1);
    pPage->addWidget(pListGroup);
    pPage->addStretch();
}

void COptionsPageDisplay::ApplyEnableRule()
{
    const bool bEnabled = !m_radioAsInNameTag->isChecked();
    for (QCheckBox* pBox : m_nameBoxes)
        pBox->setEnabled(bEnabled);
}

void COptionsPageDisplay::SetTexts()
{
    SetGroupTitle(m_pGroupNames, IDS_NAME_REPRESENTATION);
    SetGroupTitle(m_pGroupList, IDS_PUT_AFTER_NAME_IN_LIST);
    m_radioAsInNameTag->setText(Text(IDS_NAME_AS_IN_NAME_TAG));
    m_radioModifications->setText(Text(IDS_MODIFICATIONS));
    SetBoxTexts();
}

void COptionsPageDisplay::OnInitDialog()
{
    const CDisplayPageValues values = OpenDisplayPage();
    (values.m_bAsInNameTag ? m_radioAsInNameTag : m_radioModifications)->setChecked(true);
    ApplyEnableRule();
    FillBoxes(values.m_boxes);
}

void COptionsPageDisplay::Store()
{
    CDisplayPageValues values;
    values.m_boxes = ReadBoxes();
    values.m_bAsInNameTag = m_radioAsInNameTag->isChecked();
    ConfirmDisplayPage(values);
}

COptionsSheet::COptionsSheet(QWidget* pParent) : QDialog(pParent), OptionsFont(MakeOptionsFont())
{
    setObjectName(QStringLiteral("options"));
    setWindowTitle(Text(IDS_OPTIONS));
    auto* pLayout = new QVBoxLayout(this);
    m_pMenuBar = new QMenuBar(this);
    m_pMenuBar->setNativeMenuBar(false);
    pLayout->setMenuBar(m_pMenuBar);
    m_pTabs = new QTabWidget(this);
    m_pPageGeneral = new COptionsPageGeneral(this);
    m_pPageDisplay = new COptionsPageDisplay(this);
    m_pTabs->addTab(Scrolled(m_pPageGeneral), Text(IDS_GENERAL));
    m_pTabs->addTab(Scrolled(m_pPageDisplay), Text(IDS_DISPLAY));
    m_pPageGeneral->SetTexts();
    m_pPageDisplay->SetTexts();
    pLayout->addWidget(m_pTabs);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    pButtons->button(QDialogButtonBox::Cancel)->setText(Text(IDS_CANCEL));
    pLayout->addWidget(pButtons);
    connect(pButtons, &QDialogButtonBox::accepted, this, &COptionsSheet::OnOK);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_pHelpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(m_pHelpKey, &QShortcut::activated, this, [this] { ShowHelp(); });
}

// Both pages whole, unless the screen is smaller: then the pages scroll.
void COptionsSheet::FitToScreen()
{
    const QSize wanted = sizeHint();
    if (const QScreen* pScreen = screen())
        resize(wanted.boundedTo(pScreen->availableGeometry().size()));
    else
        resize(wanted);
}

void COptionsSheet::showEvent(QShowEvent* pEvent)
{
    QDialog::showEvent(pEvent);
    if (!m_pMenuBar->actions().isEmpty())
        return;
    const bool bFilled = FillMenuBar(m_pMenuBar, {IDM_HELP}, [this](int nCommand) {
        if (nCommand == ID_HELP_TOPIC)
            ShowHelp();
    });
    // The bar's Topic owns F1 now: two owners of one key would cancel each other out.
    m_pHelpKey->setEnabled(!BarCarries(m_pMenuBar, ID_HELP_TOPIC));
    if (bFilled)
        setWindowTitle(Text(IDS_OPTIONS));
    FitToScreen();
}

// Topic and F1 ask for the page in front.
void COptionsSheet::ShowHelp()
{
    ShowHelpTopic(FrontPage()->GetHelpTopic());
}

COptionsPage* COptionsSheet::FrontPage() const
{
    return m_pTabs->currentIndex() == 0 ? static_cast<COptionsPage*>(m_pPageGeneral) : m_pPageDisplay;
}

COptionsPage* COptionsSheet::OtherPage(const COptionsPage* pPage) const
{
    return pPage == m_pPageGeneral ? static_cast<COptionsPage*>(m_pPageDisplay) : m_pPageGeneral;
}

void COptionsSheet::OnOK()
{
    COptionsPage* pFront = FrontPage();
    pFront->OnOK();
    OtherPage(pFront)->OnOK();
    SaveSettings();
    accept();
}
