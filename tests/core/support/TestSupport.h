#pragma once

#include "core/model/Tables.h"
#include "core/platform/Clock.h"
#include "core/platform/Message.h"
#include "core/text/WideText.h"
#include "FileBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

/// A box as gtest prints it in a failure.
inline void PrintTo(const CMessageBox& box, std::ostream* pOut)
{
    *pOut << '{' << WideToUtf8(box.m_strCaption) << ": " << WideToUtf8(box.m_strText) << ", icon "
          << static_cast<int>(box.m_icon) << '}';
}

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

// Small models for tests: append records to the global tables.
CPerson& AddPerson(const std::wstring& strId, const std::wstring& strFamc = L"",
                   std::initializer_list<const wchar_t*> fams = {});
CFamily& AddFamily(const std::wstring& strId, const std::wstring& strHusband,
                   const std::wstring& strWife, std::initializer_list<const wchar_t*> children = {});

/// A fixture for the views' builders: default options, English with its labels
/// loaded, and empty tables after each test.
class CViewBuilderTest : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override
    {
        Reset();
        ClearTables();
    }
    /// Selects a language and loads the labels of its events and notes.
    static void UseLanguage(const wchar_t* pszLang);

private:
    static void Reset();
};
