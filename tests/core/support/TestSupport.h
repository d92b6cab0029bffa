#pragma once

#include "core/app/Help.h"
#include "core/model/GedcomReader.h"
#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/platform/Clock.h"
#include "core/platform/Message.h"
#include "core/platform/Progress.h"
#include "core/text/WideText.h"
#include "core/views/ViewOptions.h"
#include "FileBytes.h"
#include "ModelDump.h"
#include "ModelDump.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

/// A text as a test name: its letters and digits, each word begun in capitals
/// ("a year alone" gives AYearAlone); "Empty" when it has none.
std::string TestName(std::string_view text);

/// One row of a case table of tests/data/cases; fields past the row's end are empty.
struct CCaseRow {
    std::string m_strLine; ///< as written, for SCOPED_TRACE
    std::vector<std::wstring> m_astrFields;
    std::vector<bool> m_abNull;
    const std::wstring& operator[](std::size_t nIndex) const;
    /// The field, nullptr when written "\0".
    const wchar_t* Ptr(std::size_t nIndex) const;
    std::string Utf8(std::size_t nIndex) const { return WideToUtf8((*this)[nIndex]); }
    int Int(std::size_t nIndex) const { return std::stoi((*this)[nIndex]); }
};

/// The rows of tests/data/cases/<name>.txt: one a line, fields split at " | ",
/// blank lines and lines begun with '#' skipped. In a field "\n", "\r" and
/// "\t" are those characters, "\s" a blank, "\e" nothing (to write an empty row), "\\" a backslash.
std::vector<CCaseRow> ReadCases(const std::string& strName);

/// The bytes of tests/data/expected/<relative>.
std::string ReadExpected(const std::string& strRelative);

/// A golden file that begins with its input: the GEDCOM text up to and with
/// its "0 TRLR" line, less the lines begun with '#', and the expected rest.
std::pair<std::string, std::string> ReadGedcomAndExpected(const std::string& strRelative);

/// Names each row of a parameterised table by its m_pszName.
struct CByName {
    template <class TCase>
    std::string operator()(const testing::TestParamInfo<TCase>& info) const
    {
        return TestName(info.param.m_pszName);
    }
};

/// A box as gtest prints it in a failure.
inline void PrintTo(const CMessageBox& box, std::ostream* pOut)
{
    *pOut << '{' << WideToUtf8(box.m_strCaption) << ": " << WideToUtf8(box.m_strText) << ", icon "
          << static_cast<int>(box.m_icon) << '}';
}

/// Records the command lines the help viewer would be started with.
class CRecordingLauncher : public CHelpLauncher {
public:
    CRecordingLauncher() { m_pPrevious = SetHelpLauncher(this); }
    ~CRecordingLauncher() override { SetHelpLauncher(m_pPrevious); }
    CRecordingLauncher(const CRecordingLauncher&) = delete;
    CRecordingLauncher& operator=(const CRecordingLauncher&) = delete;
    void Launch(const std::wstring& strCommandLine) override { m_astrLines.push_back(strCommandLine); }

    std::vector<std::wstring> m_astrLines;

private:
    CHelpLauncher* m_pPrevious = nullptr;
};

/// Pins "today" for the life of the object.
class CPinnedClock : public CClock {
public:
    explicit CPinnedClock(CCalendarDate today) : m_today(today) { m_pPrevious = SetClock(this); }
    ~CPinnedClock() override { SetClock(m_pPrevious); }
    CPinnedClock(const CPinnedClock&) = delete;
    CPinnedClock& operator=(const CPinnedClock&) = delete;

    CCalendarDate Today() const override { return m_today; }

private:
    CCalendarDate m_today;
    CClock* m_pPrevious = nullptr;
};

/// A clock whose time moves on by `step` each time it is asked, so that
/// delays pass as fast as a test wants; counts how often it was asked.
class CSteppingClock : public CPinnedClock {
public:
    explicit CSteppingClock(std::chrono::milliseconds step) : CPinnedClock({2000, 1, 1}), m_step(step) {}
    std::chrono::steady_clock::time_point Now() const override
    {
        ++m_nAsked;
        return m_now += m_step;
    }

    mutable int m_nAsked = 0;

private:
    std::chrono::milliseconds m_step;
    mutable std::chrono::steady_clock::time_point m_now;
};

/// Records the percents shown, -1 for each Hide, instead of showing them.
class CRecordingProgress : public CProgressSink {
public:
    CRecordingProgress() { m_pPrevious = SetProgressSink(this); }
    ~CRecordingProgress() override { SetProgressSink(m_pPrevious); }
    void Show(int nLabelId, int nPercent) override
    {
        m_strLabel = LoadLangString(nLabelId);
        m_anShown.push_back(nPercent);
    }
    void Hide() override { m_anShown.push_back(-1); }

    std::wstring m_strLabel;
    std::vector<int> m_anShown;

private:
    CProgressSink* m_pPrevious = nullptr;
};

/// A fresh empty folder, removed with its content at the end of the test.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

/// A person of a small test model. A birth or death of nullptr makes no such
/// event; a death of "" is a death line without a date.
struct CTestPerson {
    std::wstring m_strId{};
    std::wstring m_strName{};
    std::wstring m_strSex{};
    std::wstring m_strFamc{};
    std::vector<std::wstring> m_astrFams{};
    const wchar_t* m_pszBirth = nullptr;
    const wchar_t* m_pszDeath = nullptr;
};

// Small models for tests: records appended to a document made by hand.
CPerson& AddPerson(CDocument& doc, const CTestPerson& person);
CFamily& AddFamily(CDocument& doc, const std::wstring& strId, const std::wstring& strHusband,
                   const std::wstring& strWife, std::initializer_list<const wchar_t*> children = {});

/// A file of persons "Name:Sex" and families "Husband Wife > Children", with
/// "-" for a missing spouse, read from memory; each person's id is its name.
std::unique_ptr<CDocument> MakeFamilies(const std::string& strPersons, const std::vector<std::string>& families);

/// A fixture for the views' builders: a document of its own, default options,
/// and English with its labels loaded.
class CViewBuilderTest : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

public:
    /// Selects a language and loads the labels of its events and notes.
    static void UseLanguage(const wchar_t* pszLang);

    CDocument& Doc() { return *m_pDoc; }
    CPerson& AddPerson(const CTestPerson& person) { return ::AddPerson(Doc(), person); }
    CFamily& AddFamily(const std::wstring& strId, const std::wstring& strHusband, const std::wstring& strWife,
                       std::initializer_list<const wchar_t*> children = {})
    {
        return ::AddFamily(Doc(), strId, strHusband, strWife, children);
    }
    const CPerson& Person(int nIndex) { return Doc().Persons()[nIndex]; }
    const CFamily& Family(int nIndex) { return Doc().Families()[nIndex]; }
    /// A text of the document, read back.
    std::wstring Str(CText text) { return Doc().Str(text); }
    /// The text of a note of the list.
    std::wstring NoteText(const CNoteList& notes, std::size_t nIndex) { return Str(Doc().Items(notes)[nIndex].m_strText); }

    std::unique_ptr<CDocument> m_pDoc = std::make_unique<CDocument>();
    CViewOptions m_options;

private:
    static void Reset();
};

/// Reads GEDCOM text from memory into the fixture's document.
class CGedcomTest : public CViewBuilderTest {
public:
    /// Keeps the reading's boxes in m_messages.
    bool Read(const std::string& bytes)
    {
        CReadResult read = ReadGedcom(bytes);
        m_pDoc = std::move(read.m_pDocument);
        m_messages = std::move(read.m_messages);
        return read.m_bRead;
    }

    /// Reads the lines of one person record.
    const CPerson& ReadPerson(const std::string& lines);

    CMessages m_messages;
};

