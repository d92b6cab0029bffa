#include "core/views/KinshipTerms.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <utility>

namespace {

enum class CLang { En, Ru, Fr, Ge, It };

CLang ToLang(std::wstring_view lang)
{
    if (lang == L"En")
        return CLang::En;
    if (lang == L"Fr")
        return CLang::Fr;
    if (lang == L"Ge")
        return CLang::Ge;
    if (lang == L"It")
        return CLang::It;
    return CLang::Ru; // as in the rest of the program, an unknown code reads as Russian
}

std::wstring Concat(std::initializer_list<std::wstring_view> parts)
{
    std::wstring str;
    for (std::wstring_view part : parts)
        str += part;
    return str;
}

std::wstring Num(int n)
{
    return std::to_wstring(n);
}

/// A term as the language says it of a man, of a woman, and of a person of
/// unknown sex; no neutral form: the language has none, and both are joined.
struct CForms {
    std::wstring m_strMale;
    std::wstring m_strFemale;
    std::wstring m_strNeutral;

    bool IsEmpty() const { return m_strMale.empty(); }
};

CForms Epicene(const std::wstring& str)
{
    return {str, str, str};
}

template <std::size_t N> CForms FromTable(const CForms (&aForms)[N], int n)
{
    return n >= 1 && static_cast<std::size_t>(n) <= N ? aForms[n - 1] : CForms{};
}

template <class TFn> CForms Map(const CForms& forms, TFn fn)
{
    return {fn(forms.m_strMale), fn(forms.m_strFemale),
            forms.m_strNeutral.empty() ? std::wstring() : fn(forms.m_strNeutral)};
}

/// Puts a term into a case or behind an article: "des Cousins", "de la tante".
using CDecor = std::wstring (*)(std::wstring_view);

std::wstring AsIs(std::wstring_view str)
{
    return std::wstring(str);
}

const wchar_t* OrWord(CLang lang)
{
    switch (lang) {
    case CLang::En:
        return L" or ";
    case CLang::Fr:
        return L" ou ";
    case CLang::Ge:
        return L" oder ";
    case CLang::It:
        return L" o ";
    case CLang::Ru:
        break;
    }
    return L" или ";
}

// "Cousin oder Cousine 3. Grades": when the forms differ only in their first
// word, the rest is said once.
std::wstring JoinForms(std::wstring_view male, std::wstring_view female, CLang lang, CDecor decorMale = AsIs,
                       CDecor decorFemale = AsIs)
{
    const std::wstring strMale = decorMale(male);
    if (male == female && strMale == decorFemale(female))
        return strMale;
    const std::size_t nMale = male.find(L' ');
    const std::size_t nFemale = female.find(L' ');
    if (nMale != std::wstring_view::npos && nFemale != std::wstring_view::npos &&
        male.substr(nMale) == female.substr(nFemale))
        return Concat({decorMale(male.substr(0, nMale)), OrWord(lang), decorFemale(female.substr(0, nFemale)),
                       male.substr(nMale)});
    return strMale + OrWord(lang) + decorFemale(female);
}

std::wstring Pick(const CForms& forms, CKinSex sex, CLang lang)
{
    switch (sex) {
    case CKinSex::Male:
        return forms.m_strMale;
    case CKinSex::Female:
        return forms.m_strFemale;
    case CKinSex::Unknown:
        break;
    }
    return forms.m_strNeutral.empty() ? JoinForms(forms.m_strMale, forms.m_strFemale, lang)
                                      : forms.m_strNeutral;
}

bool IsVowel(wchar_t c)
{
    return std::wstring_view(L"aeiouyàâäéèêëìîïòôöùûüAEIOUYÀÂÄÉÈÊËÌÎÏÒÔÖÙÛÜ").find(c) !=
           std::wstring_view::npos;
}

bool StartsWithVowel(std::wstring_view str)
{
    return !str.empty() && IsVowel(str[0]);
}

/// What a language names by blood. A collateral term it has no usual word for
/// comes back empty, and the general form, which tells a half relation itself,
/// is said instead.
struct CBloodWords {
    CForms (*m_pAncestor)(int nGenerations);
    CForms (*m_pDescendant)(int nGenerations);
    CForms (*m_pSibling)(const CBloodKin& kin);
    CForms (*m_pUncle)(int nDown);
    CForms (*m_pNephew)(int nUp);
    CForms (*m_pCousin)(int nUp, int nDown);
    std::wstring (*m_pHalf)(const std::wstring& str);
    CForms (*m_pGeneral)(const CBloodKin& kin); ///< null: the language names every relation
};

CForms BloodForms(const CBloodKin& kin, const CBloodWords& words)
{
    if (kin.m_nUp == 0)
        return words.m_pAncestor(kin.m_nDown);
    if (kin.m_nDown == 0)
        return words.m_pDescendant(kin.m_nUp);
    if (kin.m_nUp == 1 && kin.m_nDown == 1)
        return words.m_pSibling(kin);
    const CForms forms = kin.m_nUp == 1     ? words.m_pUncle(kin.m_nDown)
                         : kin.m_nDown == 1 ? words.m_pNephew(kin.m_nUp)
                                            : words.m_pCousin(kin.m_nUp, kin.m_nDown);
    if (forms.IsEmpty() && words.m_pGeneral)
        return words.m_pGeneral(kin);
    return kin.m_bHalf ? Map(forms, words.m_pHalf) : forms;
}

int CousinDegree(int nUp, int nDown)
{
    return std::min(nUp, nDown) - 1;
}

// English: exact at any depth.

std::wstring EnglishOrdinal(int n)
{
    const wchar_t* pszSuffix = L"th";
    if (n % 100 < 11 || n % 100 > 13) {
        if (n % 10 == 1)
            pszSuffix = L"st";
        else if (n % 10 == 2)
            pszSuffix = L"nd";
        else if (n % 10 == 3)
            pszSuffix = L"rd";
    }
    return Num(n) + pszSuffix;
}

// One "great-", then counted: the grandparent of a grandparent is the
// "2nd great-grandparent", not the "great-great-grandparent".
std::wstring EnglishGreats(int nGreats)
{
    if (nGreats <= 0)
        return {};
    if (nGreats == 1)
        return L"great-";
    return EnglishOrdinal(nGreats) + L" great-";
}

CForms EnglishAncestor(int n)
{
    if (n == 1)
        return {L"father", L"mother", L"parent"};
    const std::wstring str = EnglishGreats(n - 2) + L"grand";
    return {str + L"father", str + L"mother", str + L"parent"};
}

CForms EnglishDescendant(int n)
{
    if (n == 1)
        return {L"son", L"daughter", L"child"};
    const std::wstring str = EnglishGreats(n - 2) + L"grand";
    return {str + L"son", str + L"daughter", str + L"child"};
}

// "half-brother", but "half great-uncle" and "half first cousin".
std::wstring EnglishHalf(const std::wstring& str)
{
    return (str.find_first_of(L" -") == std::wstring::npos ? L"half-" : L"half ") + str;
}

CForms EnglishSibling(const CBloodKin& kin)
{
    const CForms forms = {L"brother", L"sister", L"sibling"};
    return kin.m_bHalf ? Map(forms, EnglishHalf) : forms;
}

CForms EnglishUncle(int nDown)
{
    const std::wstring str = EnglishGreats(nDown - 2);
    return {str + L"uncle", str + L"aunt", {}};
}

CForms EnglishNephew(int nUp)
{
    const std::wstring str = EnglishGreats(nUp - 2);
    return {str + L"nephew", str + L"niece", {}};
}

CForms EnglishCousin(int nUp, int nDown)
{
    static const wchar_t* const aDegrees[] = {L"first", L"second",  L"third",  L"fourth", L"fifth",
                                              L"sixth", L"seventh", L"eighth", L"ninth",  L"tenth"};
    static const wchar_t* const aTimes[] = {L"three", L"four",  L"five", L"six",
                                            L"seven", L"eight", L"nine", L"ten"};
    const int nDegree = CousinDegree(nUp, nDown);
    std::wstring str = nDegree <= 10 ? std::wstring(aDegrees[nDegree - 1]) : EnglishOrdinal(nDegree);
    str += L" cousin";
    const int nRemoved = std::abs(nUp - nDown);
    if (nRemoved == 1)
        str += L" once removed";
    else if (nRemoved == 2)
        str += L" twice removed";
    else if (nRemoved > 2)
        str += Concat(
            {L" ", nRemoved <= 10 ? std::wstring(aTimes[nRemoved - 3]) : Num(nRemoved), L" times removed"});
    return Epicene(str);
}

constexpr CBloodWords theEnglishBlood = {EnglishAncestor, EnglishDescendant, EnglishSibling, EnglishUncle,
                                         EnglishNephew,   EnglishCousin,     EnglishHalf,    nullptr};

// French.

CForms FrenchAncestor(int n)
{
    static const CForms aForms[] = {
        {L"père", L"mère", L"parent"},
        {L"grand-père", L"grand-mère", L"grand-parent"},
        {L"arrière-grand-père", L"arrière-grand-mère", L"arrière-grand-parent"},
        {L"arrière-arrière-grand-père", L"arrière-arrière-grand-mère", L"arrière-arrière-grand-parent"},
    };
    const CForms forms = FromTable(aForms, n);
    return forms.IsEmpty() ? Epicene(Concat({L"ancêtre à la ", Num(n), L"e génération"})) : forms;
}

CForms FrenchDescendant(int n)
{
    static const CForms aForms[] = {
        {L"fils", L"fille", L"enfant"},
        {L"petit-fils", L"petite-fille", L"petit-enfant"},
        {L"arrière-petit-fils", L"arrière-petite-fille", L"arrière-petit-enfant"},
        {L"arrière-arrière-petit-fils", L"arrière-arrière-petite-fille", L"arrière-arrière-petit-enfant"},
    };
    const CForms forms = FromTable(aForms, n);
    const std::wstring str = Concat({L" à la ", Num(n), L"e génération"});
    return forms.IsEmpty() ? CForms{L"descendant" + str, L"descendante" + str, {}} : forms;
}

std::wstring FrenchHalf(const std::wstring& str)
{
    return L"demi-" + str;
}

CForms FrenchSibling(const CBloodKin& kin)
{
    const CForms forms = {L"frère", L"sœur", {}};
    return kin.m_bHalf ? Map(forms, FrenchHalf) : forms;
}

CForms FrenchUncle(int nDown)
{
    static const CForms aForms[] = {
        {L"oncle", L"tante", {}},
        {L"grand-oncle", L"grand-tante", {}},
        {L"arrière-grand-oncle", L"arrière-grand-tante", {}},
    };
    return FromTable(aForms, nDown - 1);
}

CForms FrenchNephew(int nUp)
{
    static const CForms aForms[] = {
        {L"neveu", L"nièce", {}},
        {L"petit-neveu", L"petite-nièce", {}},
        {L"arrière-petit-neveu", L"arrière-petite-nièce", {}},
    };
    return FromTable(aForms, nUp - 1);
}

CForms FrenchCousin(int nUp, int nDown)
{
    const int nDegree = CousinDegree(nUp, nDown);
    if (nUp == nDown) {
        if (nDegree == 1)
            return {L"cousin germain", L"cousine germaine", {}};
        if (nDegree == 2)
            return {L"cousin issu de germain", L"cousine issue de germain", {}};
        const std::wstring str = Concat({L" au ", Num(nDegree), L"e degré"});
        return {L"cousin" + str, L"cousine" + str, {}};
    }
    // A parent's first cousin, and a first cousin's child.
    if (nDegree == 1 && std::abs(nUp - nDown) == 1)
        return nUp < nDown ? CForms{L"oncle à la mode de Bretagne", L"tante à la mode de Bretagne", {}}
                           : CForms{L"neveu à la mode de Bretagne", L"nièce à la mode de Bretagne", {}};
    return {};
}

// The path from P: up to the common ancestors, then down to Q.
CForms FrenchGeneral(const CBloodKin& kin)
{
    const std::wstring str =
        Concat({L" (en remontant de ", Num(kin.m_nUp), kin.m_nUp == 1 ? L" génération" : L" générations",
                kin.m_bHalf ? L" jusqu'au seul ancêtre commun" : L" jusqu'aux ancêtres communs",
                L", puis en descendant de ", Num(kin.m_nDown), L")"});
    return {L"parent" + str, L"parente" + str, {}};
}

constexpr CBloodWords theFrenchBlood = {FrenchAncestor, FrenchDescendant, FrenchSibling, FrenchUncle,
                                        FrenchNephew,   FrenchCousin,     FrenchHalf,    FrenchGeneral};

// German.

CForms GermanAncestor(int n)
{
    static const CForms aForms[] = {
        {L"Vater", L"Mutter", L"Elternteil"},
        {L"Großvater", L"Großmutter", L"Großelternteil"},
        {L"Urgroßvater", L"Urgroßmutter", L"Urgroßelternteil"},
        {L"Ururgroßvater", L"Ururgroßmutter", L"Ururgroßelternteil"},
    };
    const CForms forms = FromTable(aForms, n);
    const std::wstring str = Concat({L" in ", Num(n), L". Generation"});
    return forms.IsEmpty() ? CForms{L"Vorfahr" + str, L"Vorfahrin" + str, {}} : forms;
}

CForms GermanDescendant(int n)
{
    static const CForms aForms[] = {
        {L"Sohn", L"Tochter", L"Kind"},
        {L"Enkel", L"Enkelin", L"Enkelkind"},
        {L"Urenkel", L"Urenkelin", L"Urenkelkind"},
        {L"Ururenkel", L"Ururenkelin", L"Ururenkelkind"},
    };
    const CForms forms = FromTable(aForms, n);
    return forms.IsEmpty() ? Epicene(Concat({L"Nachkomme in ", Num(n), L". Generation"})) : forms;
}

// "Halbbruder", "Halbcousine zweiten Grades": the noun joins the prefix.
std::wstring GermanHalf(const std::wstring& str)
{
    std::wstring strHalf = L"Halb" + str;
    if (strHalf[4] >= L'A' && strHalf[4] <= L'Z')
        strHalf[4] = static_cast<wchar_t>(strHalf[4] - L'A' + L'a');
    return strHalf;
}

CForms GermanSibling(const CBloodKin& kin)
{
    const CForms forms = {L"Bruder", L"Schwester", L"Geschwister"};
    return kin.m_bHalf ? Map(forms, GermanHalf) : forms;
}

CForms GermanUncle(int nDown)
{
    static const CForms aForms[] = {
        {L"Onkel", L"Tante", {}},
        {L"Großonkel", L"Großtante", {}},
        {L"Urgroßonkel", L"Urgroßtante", {}},
    };
    return FromTable(aForms, nDown - 1);
}

CForms GermanNephew(int nUp)
{
    static const CForms aForms[] = {
        {L"Neffe", L"Nichte", {}},
        {L"Großneffe", L"Großnichte", {}},
        {L"Urgroßneffe", L"Urgroßnichte", {}},
    };
    return FromTable(aForms, nUp - 1);
}

CForms GermanCousin(int nUp, int nDown)
{
    const int nDegree = CousinDegree(nUp, nDown);
    if (nUp == nDown) {
        if (nDegree == 1)
            return {L"Cousin", L"Cousine", {}};
        const std::wstring str =
            nDegree == 2 ? L" zweiten Grades" : Concat({L" ", Num(nDegree), L". Grades"});
        return {L"Cousin" + str, L"Cousine" + str, {}};
    }
    // A parent's first cousin, and a first cousin's child.
    if (nDegree == 1 && std::abs(nUp - nDown) == 1)
        return nUp < nDown ? CForms{L"Onkel zweiten Grades", L"Tante zweiten Grades", {}}
                           : CForms{L"Neffe zweiten Grades", L"Nichte zweiten Grades", {}};
    return {};
}

CForms GermanGeneral(const CBloodKin& kin)
{
    const std::wstring str =
        Concat({L" (", Num(kin.m_nUp), kin.m_nUp == 1 ? L" Generation" : L" Generationen",
                kin.m_bHalf ? L" hinauf bis zum einzigen gemeinsamen Vorfahren"
                            : L" hinauf bis zu den gemeinsamen Vorfahren",
                L", dann ", Num(kin.m_nDown), L" hinab)"});
    return {L"Verwandter" + str, L"Verwandte" + str, {}};
}

constexpr CBloodWords theGermanBlood = {GermanAncestor, GermanDescendant, GermanSibling, GermanUncle,
                                        GermanNephew,   GermanCousin,     GermanHalf,    GermanGeneral};

// Italian.

CForms ItalianAncestor(int n)
{
    static const CForms aForms[] = {
        {L"padre", L"madre", L"genitore"},
        {L"nonno", L"nonna", {}},
        {L"bisnonno", L"bisnonna", {}},
        {L"trisnonno", L"trisnonna", {}},
    };
    const CForms forms = FromTable(aForms, n);
    const std::wstring str = Concat({L" di ", Num(n), L"ª generazione"});
    return forms.IsEmpty() ? CForms{L"antenato" + str, L"antenata" + str, {}} : forms;
}

CForms ItalianDescendant(int n)
{
    static const CForms aForms[] = {
        {L"figlio", L"figlia", {}},
        Epicene(L"nipote"),
        Epicene(L"pronipote"),
        Epicene(L"trisnipote"),
    };
    const CForms forms = FromTable(aForms, n);
    return forms.IsEmpty() ? Epicene(Concat({L"discendente di ", Num(n), L"ª generazione"})) : forms;
}

std::wstring ItalianHalf(const std::wstring& str)
{
    return str + L" (con un solo antenato comune)";
}

CForms ItalianSibling(const CBloodKin& kin)
{
    if (!kin.m_bHalf)
        return {L"fratello", L"sorella", {}};
    switch (kin.m_halfParentSex) {
    case CKinSex::Male:
        return {L"fratello consanguineo", L"sorella consanguinea", {}};
    case CKinSex::Female:
        return {L"fratello uterino", L"sorella uterina", {}};
    case CKinSex::Unknown:
        break;
    }
    return {L"fratellastro", L"sorellastra", {}};
}

CForms ItalianUncle(int nDown)
{
    static const CForms aForms[] = {
        {L"zio", L"zia", {}},
        {L"prozio", L"prozia", {}},
    };
    return FromTable(aForms, nDown - 1);
}

// The same words as for grandchildren: Italian does not tell them apart.
CForms ItalianNephew(int nUp)
{
    static const CForms aForms[] = {Epicene(L"nipote"), Epicene(L"pronipote")};
    return FromTable(aForms, nUp - 1);
}

CForms ItalianCousin(int nUp, int nDown)
{
    if (nUp != nDown)
        return {};
    const int nDegree = CousinDegree(nUp, nDown);
    const std::wstring str = nDegree == 1   ? L" di primo grado"
                             : nDegree == 2 ? L" di secondo grado"
                                            : Concat({L" di ", Num(nDegree), L"º grado"});
    return {L"cugino" + str, L"cugina" + str, {}};
}

CForms ItalianGeneral(const CBloodKin& kin)
{
    return Epicene(
        Concat({L"parente (risalendo di ", Num(kin.m_nUp), kin.m_nUp == 1 ? L" generazione" : L" generazioni",
                kin.m_bHalf ? L" fino all'unico antenato comune" : L" fino agli antenati comuni",
                L", poi scendendo di ", Num(kin.m_nDown), L")"}));
}

constexpr CBloodWords theItalianBlood = {ItalianAncestor, ItalianDescendant, ItalianSibling, ItalianUncle,
                                         ItalianNephew,   ItalianCousin,     ItalianHalf,    ItalianGeneral};

// Russian.

CForms RussianAncestor(int n)
{
    static const CForms aForms[] = {
        {L"отец", L"мать", L"родитель"},
        {L"дед", L"бабушка", {}},
        {L"прадед", L"прабабушка", {}},
        {L"прапрадед", L"прапрабабушка", {}},
    };
    const CForms forms = FromTable(aForms, n);
    return forms.IsEmpty() ? Epicene(Concat({L"предок в ", Num(n), L"-м поколении"})) : forms;
}

CForms RussianDescendant(int n)
{
    static const CForms aForms[] = {
        {L"сын", L"дочь", {}},
        {L"внук", L"внучка", {}},
        {L"правнук", L"правнучка", {}},
        {L"праправнук", L"праправнучка", {}},
    };
    const CForms forms = FromTable(aForms, n);
    return forms.IsEmpty() ? Epicene(Concat({L"потомок в ", Num(n), L"-м поколении"})) : forms;
}

std::wstring RussianHalf(const std::wstring& str)
{
    return str + L" (с одним общим предком)";
}

CForms RussianSibling(const CBloodKin& kin)
{
    if (!kin.m_bHalf)
        return {L"брат", L"сестра", {}};
    switch (kin.m_halfParentSex) {
    case CKinSex::Male:
        return {L"единокровный брат", L"единокровная сестра", {}};
    case CKinSex::Female:
        return {L"единоутробный брат", L"единоутробная сестра", {}};
    case CKinSex::Unknown:
        break;
    }
    return {L"неполнородный брат", L"неполнородная сестра", {}};
}

CForms RussianUncle(int nDown)
{
    static const CForms aForms[] = {
        {L"дядя", L"тётя", {}},
        {L"двоюродный дед", L"двоюродная бабушка", {}},
        {L"двоюродный прадед", L"двоюродная прабабушка", {}},
    };
    return FromTable(aForms, nDown - 1);
}

CForms RussianNephew(int nUp)
{
    static const CForms aForms[] = {
        {L"племянник", L"племянница", {}},
        {L"внучатый племянник", L"внучатая племянница", {}},
        {L"правнучатый племянник", L"правнучатая племянница", {}},
    };
    return FromTable(aForms, nUp - 1);
}

CForms RussianCousin(int nUp, int nDown)
{
    // Past "четвероюродный" the words are rare enough to read as coined.
    static const wchar_t* const aDegrees[] = {L"двоюродн", L"троюродн", L"четвероюродн"};
    const int nDegree = CousinDegree(nUp, nDown);
    if (nDegree > 3)
        return {};
    const std::wstring strMale = aDegrees[nDegree - 1] + std::wstring(L"ый ");
    const std::wstring strFemale = aDegrees[nDegree - 1] + std::wstring(L"ая ");
    if (nUp == nDown)
        return {strMale + L"брат", strFemale + L"сестра", {}};
    // "двоюродный дядя" is a parent's first cousin, "двоюродный племянник" a first cousin's child.
    if (std::abs(nUp - nDown) == 1)
        return nUp < nDown ? CForms{strMale + L"дядя", strFemale + L"тётя", {}}
                           : CForms{strMale + L"племянник", strFemale + L"племянница", {}};
    return {};
}

std::wstring RussianGenerations(int n)
{
    const int nLast2 = n % 100;
    if (nLast2 >= 11 && nLast2 <= 14)
        return Num(n) + L" поколений";
    if (n % 10 == 1)
        return Num(n) + L" поколение";
    if (n % 10 >= 2 && n % 10 <= 4)
        return Num(n) + L" поколения";
    return Num(n) + L" поколений";
}

CForms RussianGeneral(const CBloodKin& kin)
{
    const std::wstring str =
        Concat({L" (на ", RussianGenerations(kin.m_nUp),
                kin.m_bHalf ? L" вверх до единственного общего предка" : L" вверх до общих предков",
                L", затем на ", Num(kin.m_nDown), L" вниз)"});
    return {L"родственник" + str, L"родственница" + str, {}};
}

constexpr CBloodWords theRussianBlood = {RussianAncestor, RussianDescendant, RussianSibling, RussianUncle,
                                         RussianNephew,   RussianCousin,     RussianHalf,    RussianGeneral};

const CBloodWords& BloodWords(CLang lang)
{
    switch (lang) {
    case CLang::En:
        return theEnglishBlood;
    case CLang::Fr:
        return theFrenchBlood;
    case CLang::Ge:
        return theGermanBlood;
    case CLang::It:
        return theItalianBlood;
    case CLang::Ru:
        break;
    }
    return theRussianBlood;
}

bool IsKin(const CBloodKin& kin)
{
    return kin.m_nUp >= 0 && kin.m_nDown >= 0 && (kin.m_nUp > 0 || kin.m_nDown > 0);
}

// The relative's term put behind "of": the article, or the genitive, by the relative's sex.

std::wstring EnglishOf(std::wstring_view str)
{
    return L"of the " + std::wstring(str);
}

std::wstring FrenchOfMale(std::wstring_view str)
{
    return (StartsWithVowel(str) ? L"de l'" : L"du ") + std::wstring(str);
}

std::wstring FrenchOfFemale(std::wstring_view str)
{
    return (StartsWithVowel(str) ? L"de l'" : L"de la ") + std::wstring(str);
}

// The genitive marks the noun alone: "des Cousins zweiten Grades".
std::wstring GermanOfMale(std::wstring_view str)
{
    const std::size_t nEnd = std::min(str.find(L' '), str.size());
    std::wstring strNoun(str.substr(0, nEnd));
    if (strNoun.ends_with(L"kind"))
        strNoun += L"es";
    else if (strNoun.ends_with(L"Verwandter"))
        strNoun.back() = L'n';
    else if (strNoun.ends_with(L'e'))
        strNoun += L'n'; // Neffe, Nachkomme
    else if (strNoun == L"Vorfahr")
        strNoun += L"en";
    else
        strNoun += L's';
    return Concat({L"des ", strNoun, str.substr(nEnd)});
}

std::wstring GermanOfFemale(std::wstring_view str)
{
    return L"der " + std::wstring(str);
}

std::wstring ItalianOfMale(std::wstring_view str)
{
    if (StartsWithVowel(str))
        return L"dell'" + std::wstring(str);
    if (!str.empty() && (str[0] == L'z' || (str.size() > 1 && str[0] == L's' && !IsVowel(str[1]))))
        return L"dello " + std::wstring(str);
    return L"del " + std::wstring(str);
}

std::wstring ItalianOfFemale(std::wstring_view str)
{
    return (StartsWithVowel(str) ? L"dell'" : L"della ") + std::wstring(str);
}

std::wstring RussianNounGenitive(std::wstring_view noun)
{
    static const std::pair<std::wstring_view, std::wstring_view> aIrregular[] = {
        {L"мать", L"матери"},   {L"дочь", L"дочери"},     {L"отец", L"отца"},
        {L"предок", L"предка"}, {L"потомок", L"потомка"},
    };
    for (const auto& [from, to] : aIrregular) {
        if (noun == from)
            return std::wstring(to);
    }
    std::wstring str(noun);
    if (str.size() > 1 && str.back() == L'а')
        str.back() =
            std::wstring_view(L"гкхжшчщ").find(str[str.size() - 2]) != std::wstring_view::npos ? L'и' : L'ы';
    else if (str.back() == L'я')
        str.back() = L'и';
    else if (str.back() == L'ь')
        str.back() = L'я';
    else
        str += L'а';
    return str;
}

// The adjectives before the noun agree with it; what follows the noun stays:
// "двоюродного деда (с одним общим предком)".
std::wstring RussianGenitive(std::wstring_view str)
{
    std::wstring strOut;
    for (std::size_t nPos = 0; nPos < str.size();) {
        const std::size_t nEnd = std::min(str.find(L' ', nPos), str.size());
        const std::wstring_view word = str.substr(nPos, nEnd - nPos);
        if (word.ends_with(L"ый"))
            strOut += Concat({word.substr(0, word.size() - 2), L"ого "});
        else if (word.ends_with(L"ая"))
            strOut += Concat({word.substr(0, word.size() - 2), L"ой "});
        else
            return Concat({strOut, RussianNounGenitive(word), str.substr(nEnd)});
        nPos = nEnd + 1;
    }
    return strOut;
}

/// The single words for the nearest in-laws and step-relations; an empty one:
/// the composed form is said.
struct CInLaws {
    CForms m_stepParent;      ///< P the spouse of Q's parent
    CForms m_childInLaw;      ///< P the spouse of Q's child
    CForms m_spouseOfSibling; ///< P the spouse of Q's sibling
    CForms m_parentInLaw;     ///< P a parent of Q's spouse
    CForms m_stepChild;       ///< P a child of Q's spouse
    CForms m_siblingOfSpouse; ///< P a sibling of Q's spouse
};

/// How a language joins by marriage.
struct CMarriageWords {
    CForms m_spouse;
    CForms m_ofSpouse; ///< "of the husband", "of the wife", "of the spouse"
    CDecor m_pOfMale;  ///< "of" a male relative
    CDecor m_pOfFemale;
    CInLaws m_inLaws;
};

// Russian names the spouse's parents and siblings by whose they are: the
// husband's father is "свёкор", the wife's "тесть".
CMarriageWords RussianMarriage(CKinSex spouseSex)
{
    CMarriageWords words = {{L"муж", L"жена", L"супруг"},
                            {L"мужа", L"жены", L"супруга"},
                            RussianGenitive,
                            RussianGenitive,
                            {{L"отчим", L"мачеха", {}},
                             {L"зять", L"невестка", {}},
                             {L"зять", L"невестка", {}},
                             {},
                             {L"пасынок", L"падчерица", {}},
                             {}}};
    if (spouseSex == CKinSex::Male) {
        words.m_inLaws.m_parentInLaw = {L"свёкор", L"свекровь", {}};
        words.m_inLaws.m_siblingOfSpouse = {L"деверь", L"золовка", {}};
    } else if (spouseSex == CKinSex::Female) {
        words.m_inLaws.m_parentInLaw = {L"тесть", L"тёща", {}};
        words.m_inLaws.m_siblingOfSpouse = {L"шурин", L"свояченица", {}};
    }
    return words;
}

CMarriageWords MarriageWords(CLang lang, CKinSex spouseSex)
{
    switch (lang) {
    case CLang::En:
        return {{L"husband", L"wife", L"spouse"},
                {L"of the husband", L"of the wife", L"of the spouse"},
                EnglishOf,
                EnglishOf,
                {{L"stepfather", L"stepmother", L"step-parent"},
                 {L"son-in-law", L"daughter-in-law", L"child-in-law"},
                 {L"brother-in-law", L"sister-in-law", L"sibling-in-law"},
                 {L"father-in-law", L"mother-in-law", L"parent-in-law"},
                 {L"stepson", L"stepdaughter", L"stepchild"},
                 {L"brother-in-law", L"sister-in-law", L"sibling-in-law"}}};
    case CLang::Fr:
        return {{L"époux", L"épouse", L"conjoint"},
                {L"de l'époux", L"de l'épouse", L"du conjoint"},
                FrenchOfMale,
                FrenchOfFemale,
                {{L"beau-père", L"belle-mère", L"beau-parent"},
                 {L"gendre", L"belle-fille", {}},
                 {L"beau-frère", L"belle-sœur", {}},
                 {L"beau-père", L"belle-mère", L"beau-parent"},
                 {L"beau-fils", L"belle-fille", {}},
                 {L"beau-frère", L"belle-sœur", {}}}};
    case CLang::Ge:
        return {{L"Ehemann", L"Ehefrau", L"Ehepartner"},
                {L"des Ehemanns", L"der Ehefrau", L"des Ehepartners"},
                GermanOfMale,
                GermanOfFemale,
                {{L"Stiefvater", L"Stiefmutter", L"Stiefelternteil"},
                 {L"Schwiegersohn", L"Schwiegertochter", L"Schwiegerkind"},
                 {L"Schwager", L"Schwägerin", {}},
                 {L"Schwiegervater", L"Schwiegermutter", L"Schwiegerelternteil"},
                 {L"Stiefsohn", L"Stieftochter", L"Stiefkind"},
                 {L"Schwager", L"Schwägerin", {}}}};
    case CLang::It:
        return {{L"marito", L"moglie", L"coniuge"},
                {L"del marito", L"della moglie", L"del coniuge"},
                ItalianOfMale,
                ItalianOfFemale,
                {{L"patrigno", L"matrigna", {}},
                 {L"genero", L"nuora", {}},
                 {L"cognato", L"cognata", {}},
                 {L"suocero", L"suocera", {}},
                 {L"figliastro", L"figliastra", {}},
                 {L"cognato", L"cognata", {}}}};
    case CLang::Ru:
        break;
    }
    return RussianMarriage(spouseSex);
}

const CForms* InLawForms(const CInLaws& inLaws, CMarriageLink link, const CBloodKin& kin)
{
    const bool bSpouseOf = link == CMarriageLink::SpouseOfRelative;
    if (kin.m_nUp == 0 && kin.m_nDown == 1)
        return bSpouseOf ? &inLaws.m_stepParent : &inLaws.m_parentInLaw;
    if (kin.m_nUp == 1 && kin.m_nDown == 0)
        return bSpouseOf ? &inLaws.m_childInLaw : &inLaws.m_stepChild;
    if (kin.m_nUp == 1 && kin.m_nDown == 1)
        return bSpouseOf ? &inLaws.m_spouseOfSibling : &inLaws.m_siblingOfSpouse;
    return nullptr;
}

// "wife of the first cousin": the relative R in the sex `linkSex` behind "of".
std::wstring SpouseOfRelativeTerm(const CMarriageWords& words, const CBloodKin& kin, CKinSex sex,
                                  CKinSex linkSex, CLang lang)
{
    const CForms relative = BloodForms(kin, BloodWords(lang));
    std::wstring strRelative;
    if (lang == CLang::En) // English declines nothing: "of the uncle or aunt"
        strRelative = EnglishOf(Pick(relative, linkSex, lang));
    else if (linkSex == CKinSex::Male)
        strRelative = words.m_pOfMale(relative.m_strMale);
    else if (linkSex == CKinSex::Female)
        strRelative = words.m_pOfFemale(relative.m_strFemale);
    else if (!relative.m_strNeutral.empty())
        strRelative = words.m_pOfMale(relative.m_strNeutral);
    else
        strRelative =
            JoinForms(relative.m_strMale, relative.m_strFemale, lang, words.m_pOfMale, words.m_pOfFemale);
    return Pick(words.m_spouse, sex, lang) + L" " + strRelative;
}

} // namespace

std::wstring BloodTerm(const CBloodKin& kin, CKinSex sex, std::wstring_view lang)
{
    if (!IsKin(kin))
        return {};
    const CLang language = ToLang(lang);
    return Pick(BloodForms(kin, BloodWords(language)), sex, language);
}

std::wstring MarriageTerm(CMarriageLink link, const CBloodKin& kin, CKinSex sex, CKinSex linkSex,
                          std::wstring_view lang)
{
    const CLang language = ToLang(lang);
    const CMarriageWords words = MarriageWords(language, linkSex);
    if (link == CMarriageLink::Spouse || (kin.m_nUp == 0 && kin.m_nDown == 0))
        return Pick(words.m_spouse, sex, language);
    if (!IsKin(kin))
        return {};
    const CForms* pInLaw = InLawForms(words.m_inLaws, link, kin);
    if (pInLaw && !pInLaw->IsEmpty())
        return Pick(*pInLaw, sex, language);
    if (link == CMarriageLink::SpouseOfRelative)
        return SpouseOfRelativeTerm(words, kin, sex, linkSex, language);
    return BloodTerm(kin, sex, lang) + L" " + Pick(words.m_ofSpouse, linkSex, language);
}

std::wstring KinshipSentence(std::wstring_view strP, std::wstring_view strTerm, std::wstring_view strQ,
                             std::wstring_view lang)
{
    if (strTerm.empty())
        return {};
    switch (ToLang(lang)) {
    case CLang::En:
        return Concat({strP, L" is the ", strTerm, L" of ", strQ, L"."});
    case CLang::Fr:
        return Concat({strP, L" est ", strTerm, StartsWithVowel(strQ) ? L" d'" : L" de ", strQ, L"."});
    case CLang::Ge:
        return Concat({strP, L" ist ", strTerm, L" von ", strQ, L"."});
    case CLang::It:
        return Concat({strP, L" è ", strTerm, L" di ", strQ, L"."});
    case CLang::Ru:
        break;
    }
    // Both names stay in the nominative: "Борис: Анна — троюродная сестра."
    return Concat({strQ, L": ", strP, L" — ", strTerm, L"."});
}
