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

} // namespace

COptionsPage::COptionsPage(COptionsSheet* pSheet) : m_pSheet(pSheet)
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
    if (!m_bInitialised)
        return;
    Store();
    m_pSheet->Apply(this);
}

COptionsPageGeneral::COptionsPageGeneral(COptionsSheet* pSheet) : COptionsPage(pSheet)
{
    setObjectName(QStringLiteral("general"));
    auto* pPage = new QVBoxLayout(this);
    QVBoxLayout* pInside = nullptr;
    m_pGroupData = AddGroup(pPage, pInside);
    m_checkFileOpen = Add<QCheckBox>(pInside, "fileOpen");
    m_checkLastFile = Add<QCheckBox>(pInside, "lastFile");

    auto* pRow = new QHBoxLayout;
    pPage->addLayout(pRow);
    m_pGroupLanguage = AddGroup(pRow, pInside);
    m_radioEnglish = Add<QRadioButton>(pInside, "english");
    m_radioFrench = Add<QRadioButton>(pInside, "french");
    m_radioGerman = Add<QRadioButton>(pInside, "german");
    m_radioRussian = Add<QRadioButton>(pInside, "russian");
    m_pLanguages = new QButtonGroup(this);
    for (QRadioButton* pButton : {m_radioEnglish, m_radioFrench, m_radioGerman, m_radioRussian})
        m_pLanguages->addButton(pButton);
    m_pGroupDate = AddGroup(pRow, pInside);
    m_radioDayFirst = Add<QRadioButton>(pInside, "dayFirst");
    m_radioMonthFirst = Add<QRadioButton>(pInside, "monthFirst");
    pInside->addStretch();
    m_pDateFormats = new QButtonGroup(this);
    m_pDateFormats->addButton(m_radioDayFirst);
    m_pDateFormats->addButton(m_radioMonthFirst);

    auto* pLevelRow = new QHBoxLayout;
    pPage->addLayout(pLevelRow);
    m_checkDatForPatr = Add<QCheckBox>(pLevelRow, "datForPatr");
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
    m_checkFileOpen->setText(Text(IDS_START_WITH_SOURCE_FILE_SELECTION));
    m_checkLastFile->setText(Text(IDS_OPEN_THE_LAST_USED_FILE));
    m_radioEnglish->setText(Text(IDS_ENGLISH));
    m_radioFrench->setText(Text(IDS_FRENCH));
    m_radioGerman->setText(Text(IDS_GERMAN));
    m_radioRussian->setText(Text(IDS_RUSSIAN));
    m_radioDayFirst->setText(Text(IDS_DATE_FORMAT_DOTTED));
    m_radioMonthFirst->setText(Text(IDS_DATE_FORMAT_US));
    m_checkDatForPatr->setText(Text(IDS_DATA_FOR_PATRIARCHS));
}

void COptionsPageGeneral::OnInitDialog()
{
    const CGeneralPageValues values = OpenGeneralPage();
    m_checkFileOpen->setChecked(values.m_bFileOpen);
    m_checkLastFile->setChecked(values.m_bLastFile);
    m_radioEnglish->setChecked(values.m_strLang == L"En");
    m_radioFrench->setChecked(values.m_strLang == L"Fr");
    m_radioGerman->setChecked(values.m_strLang == L"Ge");
    m_radioRussian->setChecked(values.m_strLang == L"Ru");
    m_checkDatForPatr->setChecked(values.m_bDatForPatr);
    m_editLevel->setText(ToQString(values.m_strLevel));
    m_radioDayFirst->setChecked(values.m_nDateFormat == 0);
    m_radioMonthFirst->setChecked(values.m_nDateFormat == 1);
}

void COptionsPageGeneral::Store()
{
    CGeneralPageValues values;
    values.m_bFileOpen = m_checkFileOpen->isChecked();
    values.m_bLastFile = m_checkLastFile->isChecked();
    values.m_strLang = m_radioEnglish->isChecked()   ? L"En"
                       : m_radioFrench->isChecked()  ? L"Fr"
                       : m_radioGerman->isChecked()  ? L"Ge"
                       : m_radioRussian->isChecked() ? L"Ru"
                                                     : L"";
    values.m_bDatForPatr = m_checkDatForPatr->isChecked();
    values.m_strLevel = FromQString(m_editLevel->text());
    values.m_nDateFormat = m_radioDayFirst->isChecked() ? 0 : m_radioMonthFirst->isChecked() ? 1 : -1;
    ConfirmGeneralPage(values);
}

COptionsPageDisplay::COptionsPageDisplay(COptionsSheet* pSheet) : COptionsPage(pSheet)
{
    setObjectName(QStringLiteral("display"));
    auto* pPage = new QVBoxLayout(this);
    QVBoxLayout* pInside = nullptr;
    m_pGroupNames = AddGroup(pPage, pInside);
    m_radioAsInNameTag = Add<QRadioButton>(pInside, "asInNameTag");
    m_radioModifications = Add<QRadioButton>(pInside, "modifications");
    m_checkSexLetter = Add<QCheckBox>(pInside, "sexLetter");
    m_check1Name1 = Add<QCheckBox>(pInside, "firstNameFirst");
    m_checkSh1Nam = Add<QCheckBox>(pInside, "firstNameShort");
    m_checkShowMidNam = Add<QCheckBox>(pInside, "middleName");
    m_checkShMidNam = Add<QCheckBox>(pInside, "middleNameShort");
    m_checkMaidNam1 = Add<QCheckBox>(pInside, "maidenNameFirst");
    m_checkInclNick = Add<QCheckBox>(pInside, "nickname");
    connect(m_radioAsInNameTag, &QRadioButton::toggled, this, &COptionsPageDisplay::ApplyEnableRule);

    auto* pListGroup = new QGroupBox;
    m_pGroupList = pListGroup;
    auto* pGrid = new QGridLayout(pListGroup);
    m_checkBirthDate = new QCheckBox;
    m_checkDeathDate = new QCheckBox;
    m_checkYearOnly = new QCheckBox;
    m_checkAge = new QCheckBox;
    m_checkBirthDate->setObjectName(QStringLiteral("birthDate"));
    m_checkDeathDate->setObjectName(QStringLiteral("deathDate"));
    m_checkYearOnly->setObjectName(QStringLiteral("yearOnly"));
    m_checkAge->setObjectName(QStringLiteral("age"));
    pGrid->addWidget(m_checkBirthDate, 0, 0, 1, 2);
    pGrid->addWidget(m_checkAge, 0, 2);
    pGrid->addWidget(m_checkDeathDate, 1, 0, 1, 2);
    pGrid->addItem(new QSpacerItem(16, 1), 2, 0);
    pGrid->addWidget(m_checkYearOnly, 2, 1);
    pGrid->setColumnStretch(1, 1);
    pPage->addWidget(pListGroup);
    pPage->addStretch();
}

void COptionsPageDisplay::ApplyEnableRule()
{
    const bool bEnabled = !m_radioAsInNameTag->isChecked();
    for (QCheckBox* pBox : {m_check1Name1, m_checkMaidNam1, m_checkSh1Nam, m_checkShMidNam, m_checkShowMidNam,
                            m_checkInclNick})
        pBox->setEnabled(bEnabled);
}

void COptionsPageDisplay::SetTexts()
{
    SetGroupTitle(m_pGroupNames, IDS_NAME_REPRESENTATION);
    SetGroupTitle(m_pGroupList, IDS_PUT_AFTER_NAME_IN_LIST);
    const std::pair<QAbstractButton*, int> texts[] = {
        {m_radioAsInNameTag, IDS_NAME_AS_IN_NAME_TAG}, {m_radioModifications, IDS_MODIFICATIONS},
        {m_checkSexLetter, IDS_PUT_SEX_LETTER_AFTER_NAME},        {m_check1Name1, IDS_FIRST_NAME_IS_THE_1ST},
        {m_checkSh1Nam, IDS_FIRST_NAME_IS_SHORTENED},     {m_checkShowMidNam, IDS_SHOW_MIDDLE_NAME},
        {m_checkShMidNam, IDS_MIDDLE_NAME_IS_SHORTENED},  {m_checkMaidNam1, IDS_MAIDEN_NAME_IS_THE_1ST},
        {m_checkInclNick, IDS_INCLUDE_NICKNAME_AFTER_LAST_NAME},       {m_checkBirthDate, IDS_BIRTH_DATE},
        {m_checkDeathDate, IDS_DEATH_DATE},            {m_checkYearOnly, IDS_YEAR_ONLY},
        {m_checkAge, IDS_AGE_COLUMN},
    };
    for (const auto& [pButton, nId] : texts)
        pButton->setText(Text(nId));
}

void COptionsPageDisplay::OnInitDialog()
{
    const CDisplayPageValues values = OpenDisplayPage();
    (values.AsInNameTag ? m_radioAsInNameTag : m_radioModifications)->setChecked(true);
    ApplyEnableRule();
    m_checkSexLetter->setChecked(values.PutSexLetter);
    m_check1Name1->setChecked(values._1Name1);
    m_checkSh1Nam->setChecked(values.Sh1Nam);
    m_checkShowMidNam->setChecked(values.ShowMidNam);
    m_checkShMidNam->setChecked(values.ShMidNam);
    m_checkMaidNam1->setChecked(values.MaidNam1);
    m_checkInclNick->setChecked(values.InclNick);
    m_checkBirthDate->setChecked(values.PutBirthDate);
    m_checkDeathDate->setChecked(values.PutDeathDate);
    m_checkYearOnly->setChecked(values.YearOnly);
    m_checkAge->setChecked(values.PutAge);
}

void COptionsPageDisplay::Store()
{
    CDisplayPageValues values;
    values.AsInNameTag = m_radioAsInNameTag->isChecked();
    values.PutSexLetter = m_checkSexLetter->isChecked();
    values._1Name1 = m_check1Name1->isChecked();
    values.Sh1Nam = m_checkSh1Nam->isChecked();
    values.ShowMidNam = m_checkShowMidNam->isChecked();
    values.ShMidNam = m_checkShMidNam->isChecked();
    values.MaidNam1 = m_checkMaidNam1->isChecked();
    values.InclNick = m_checkInclNick->isChecked();
    values.PutBirthDate = m_checkBirthDate->isChecked();
    values.PutDeathDate = m_checkDeathDate->isChecked();
    values.YearOnly = m_checkYearOnly->isChecked();
    values.PutAge = m_checkAge->isChecked();
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
    auto* pHelp = new QShortcut(QKeySequence::HelpContents, this);
    connect(pHelp, &QShortcut::activated, this, [this] { ShowHelp(true); });
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
            ShowHelp(false);
    });
    if (bFilled)
        setWindowTitle(Text(IDS_OPTIONS));
    FitToScreen();
}

// The menu's Topic is the sheet's; F1 asks for the page in front.
void COptionsSheet::ShowHelp(bool bPageTopic)
{
    ShowHelpTopic(bPageTopic ? FrontPage()->GetHelpTopic() : L"option");
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
}

void COptionsSheet::Apply(COptionsPage* pConfirming)
{
    if (m_bApplied)
        return;
    m_bApplied = true;
    OtherPage(pConfirming)->OnOK();
    SaveSettings();
    accept();
}
