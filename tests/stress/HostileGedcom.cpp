#include "HostileGedcom.h"

#include <random>
#include <string_view>

namespace {

std::string Id(char cKind, int n)
{
    return std::string("@") + cKind + std::to_string(n) + "@";
}

// Appends in place: the long files are built of a million short lines.
void Record(std::string& text, std::string_view id, std::string_view kind)
{
    text.append("0 ").append(id).append(" ").append(kind).append("\n");
}

void Line(std::string& text, int nLevel, std::string_view tag, std::string_view value)
{
    text.append(std::to_string(nLevel)).append(" ").append(tag).append(" ").append(value).append("\n");
}

int Modulo(int n, int nPersons)
{
    return ((n % nPersons) + nPersons) % nPersons;
}

} // namespace

std::string RandomBytesGedcom(std::size_t nBytes, std::uint32_t nSeed)
{
    std::mt19937 random(nSeed);
    std::string bytes(nBytes, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

std::string NulValuesGedcom()
{
    using namespace std::string_literals;
    return "0 @I\0001@ INDI\n1 NAME Ann\0 /Bell\0/\n1 SEX M\0\n1 FAMS @F1@\0\n1 FAMC @F\0@\n"
           "1 BIRT\n2 DATE 1 JAN\0 1900\n2 PLAC Town,\0,\n1 NOTE \0\0\n2 CONT \0x\n"
           "0 @I2@ INDI\n1 NAME \0/\0/\0\n1 FAMS @F1@\n1 DEAT \0\n2 DATE \0\n"
           "0 @F1@ FAM\n1 HUSB @I\0001@\n1 WIFE @I2@\n1 CHIL \0\n1 CHIL @I2@\n1 MARR\n2 DATE ABT \0 1900\n"
           "0 TRLR\n"s;
}

std::string LongLineGedcom(std::size_t nBytes)
{
    std::string text = "0 @I1@ INDI\n1 NAME ";
    const std::string piece = "Ann /Bell/ (x) ";
    while (text.size() < nBytes)
        text += piece;
    return text + "\n1 NICK Nan\n0 TRLR\n";
}

std::string DeepLevelsGedcom(int nLevels)
{
    std::string text = "0 @S1@ SOUR\n";
    for (int nLevel = 1; nLevel <= nLevels; ++nLevel)
        Line(text, nLevel, "DEEP", "x");
    text += "0 @I1@ INDI\n1 NAME Deep /Line/\n";
    for (int nLevel = 1; nLevel <= nLevels; ++nLevel)
        Line(text, nLevel, "BIRT", "y");
    return text.append("0 TRLR\n");
}

std::string OwnFatherGedcom()
{
    return "0 @I1@ INDI\n1 NAME Adam /Self/\n1 SEX M\n1 FAMC @F1@\n1 FAMS @F1@\n"
           "0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I1@\n0 TRLR\n";
}

std::string CycleGedcom(int nPersons)
{
    std::string text;
    for (int i = 0; i < nPersons; ++i) {
        Record(text, Id('I', i), "INDI");
        Line(text, 1, "NAME", "P" + std::to_string(i) + " /Ring/");
        Line(text, 1, "FAMS", Id('F', i));
        Line(text, 1, "FAMC", Id('F', Modulo(i + 1, nPersons)));
    }
    for (int i = 0; i < nPersons; ++i) {
        Record(text, Id('F', i), "FAM");
        Line(text, 1, "HUSB", Id('I', i));
        Line(text, 1, "CHIL", Id('I', Modulo(i - 1, nPersons)));
    }
    return text.append("0 TRLR\n");
}

std::string KnotGedcom(int nPersons)
{
    static const int kChildSteps[] = {2, 3, 5};
    std::string text;
    for (int i = 0; i < nPersons; ++i) {
        Record(text, Id('I', i), "INDI");
        Line(text, 1, "NAME", "K" + std::to_string(i) + " /Knot/");
        Line(text, 1, "SEX", i % 2 ? "F" : "M");
        Line(text, 1, "FAMS", Id('F', i));
        Line(text, 1, "FAMS", Id('F', Modulo(i - 1, nPersons)));
        for (const int nStep : {5, 3, 2})
            Line(text, 1, "FAMC", Id('F', Modulo(i - nStep, nPersons)));
    }
    for (int k = 0; k < nPersons; ++k) {
        Record(text, Id('F', k), "FAM");
        Line(text, 1, "HUSB", Id('I', k));
        Line(text, 1, "WIFE", Id('I', Modulo(k + 1, nPersons)));
        for (const int nStep : kChildSteps)
            Line(text, 1, "CHIL", Id('I', Modulo(k + nStep, nPersons)));
    }
    return text.append("0 TRLR\n");
}

std::string LongLineageGedcom(int nGenerations)
{
    std::string text;
    for (int i = 0; i < nGenerations; ++i) {
        Record(text, Id('I', i), "INDI");
        Line(text, 1, "NAME", "G" + std::to_string(i) + " /Line/");
        if (i > 0)
            Line(text, 1, "FAMC", Id('F', i - 1));
        if (i + 1 < nGenerations)
            Line(text, 1, "FAMS", Id('F', i));
    }
    for (int i = 0; i + 1 < nGenerations; ++i) {
        Record(text, Id('F', i), "FAM");
        Line(text, 1, "HUSB", Id('I', i));
        Line(text, 1, "CHIL", Id('I', i + 1));
    }
    return text.append("0 TRLR\n");
}

std::string SharedIdGedcom(int nRecords)
{
    std::string text;
    for (int i = 0; i < nRecords; ++i) {
        Record(text, "@I@", "INDI");
        Line(text, 1, "NAME", "Same" + std::to_string(i) + " /Id/");
        text += "1 FAMS @F@\n1 FAMC @F@\n";
    }
    for (int i = 0; i < nRecords; ++i)
        text += "0 @F@ FAM\n1 HUSB @I@\n1 WIFE @I@\n1 CHIL @I@\n";
    return text.append("0 TRLR\n");
}

std::string RepeatedChildGedcom(int nTimes)
{
    std::string text = "0 @I1@ INDI\n1 NAME Dad /Many/\n1 SEX M\n1 FAMS @F1@\n"
                       "0 @I2@ INDI\n1 NAME Kid /Many/\n1 SEX M\n1 FAMC @F1@\n1 FAMS @F2@\n"
                       "0 @I3@ INDI\n1 NAME Grandkid /Many/\n1 FAMC @F2@\n"
                       "0 @F2@ FAM\n1 HUSB @I2@\n1 CHIL @I3@\n"
                       "0 @F1@ FAM\n1 HUSB @I1@\n";
    for (int i = 0; i < nTimes; ++i)
        text += "1 CHIL @I2@\n";
    return text.append("0 TRLR\n");
}

std::string SelfLinksGedcom()
{
    return "0 @I1@ INDI\n1 NAME Own /Links/\n1 FAMS @I1@\n1 FAMC @I1@\n"
           "0 @F1@ FAM\n1 HUSB @F1@\n1 CHIL @F1@\n"
           "0 @X@ INDI\n1 NAME Both /Ways/\n1 SEX M\n1 FAMS @X@\n1 FAMC @X@\n"
           "0 @X@ FAM\n1 HUSB @X@\n1 WIFE @X@\n1 CHIL @X@\n0 TRLR\n";
}
