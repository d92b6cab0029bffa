#pragma once

#include "core/model/GedcomReader.h"
#include "core/options/Language.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

/// Reads GEDCOM text from a file of its own into the tables.
class CGedcomTest : public testing::Test {
protected:
    void SetUp() override
    {
        ClearTables();
        SetLanguage(L"En");
    }
    void TearDown() override { ClearTables(); }

public:
    std::wstring PathOf(const char* pszName) const { return (m_folder.Path() / pszName).wstring(); }

    /// Keeps the reading's boxes in m_messages.
    bool Read(const std::string& bytes, bool bLineByLine = false)
    {
        WriteFileBytes(PathOf("test.ged"), bytes);
        CReadResult read =
            bLineByLine ? ReadGedcomFileLineByLine(PathOf("test.ged")) : ReadGedcomFile(PathOf("test.ged"));
        m_messages = std::move(read.m_messages);
        return read.m_bRead;
    }

    /// Reads the lines of one person record.
    const CPerson& ReadPerson(const std::string& lines)
    {
        EXPECT_TRUE(Read("0 @I1@ INDI\n" + lines + "\n0 TRLR\n"));
        if (theLastPersonIndex != 0)
            ADD_FAILURE() << "one person expected, got " << theLastPersonIndex + 1;
        static const CPerson theNone;
        return theLastPersonIndex >= 0 ? thePersons[0] : theNone;
    }

    CTempFolder m_folder;
    CMessages m_messages;
};

/// Everything the reader stores, one field a line, to compare whole models.
std::wstring DumpTables();
