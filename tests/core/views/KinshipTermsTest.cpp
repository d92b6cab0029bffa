#include "core/views/KinshipTerms.h"

#include "core/text/WideText.h"

#include <gtest/gtest.h>

namespace {

constexpr CKinSex M = CKinSex::Male;
constexpr CKinSex F = CKinSex::Female;
constexpr CKinSex U = CKinSex::Unknown;

// up/down count generations from P and from Q to the common ancestor. English
// numbers the greats after the first: the great-grandfather is the
// grandfather's father, the "2nd great-grandfather" the grandfather's
// grandfather (the "great-great-grandfather"), the "3rd" his father. So too for
// uncles ("2nd great-uncle": a great-grandparent's brother) and nephews.
// Cousins: the degree is the nearer one's generations to the common ancestor
// less one, "removed" the difference of the two.
TEST(KinshipTermsTest, BloodTermInEachLanguage)
{
    const struct {
        int m_nUp, m_nDown;
        bool m_bHalf;
        CKinSex m_halfParent, m_sex;
        const wchar_t* m_pszLang;
        const wchar_t* m_pszTerm;
    } rows[] = {
        {0, 0, false, U, M, L"En", L""}, // the same person
        {0, 1, false, U, M, L"En", L"father"},
        {0, 2, false, U, F, L"En", L"grandmother"},
        {0, 3, false, U, U, L"En", L"great-grandparent"},
        {0, 4, false, U, M, L"En", L"2nd great-grandfather"},
        {0, 13, false, U, F, L"En", L"11th great-grandmother"},
        {0, 15, false, U, M, L"En", L"13th great-grandfather"},
        {0, 23, false, U, M, L"En", L"21st great-grandfather"},
        {0, 24, false, U, M, L"En", L"22nd great-grandfather"},
        {1, 0, false, U, U, L"En", L"child"},
        {2, 0, false, U, M, L"En", L"grandson"},
        {5, 0, false, U, F, L"En", L"3rd great-granddaughter"},
        {1, 1, false, U, U, L"En", L"sibling"},
        {1, 1, true, M, M, L"En", L"half-brother"},
        {1, 1, true, U, U, L"En", L"half-sibling"},
        {1, 2, false, U, U, L"En", L"uncle or aunt"},
        {1, 3, false, U, F, L"En", L"great-aunt"},
        {1, 4, false, U, M, L"En", L"2nd great-uncle"},
        {1, 2, true, F, M, L"En", L"half-uncle"},
        {1, 3, true, F, M, L"En", L"half great-uncle"},
        {2, 1, false, U, U, L"En", L"nephew or niece"},
        {3, 1, false, U, F, L"En", L"great-niece"},
        {4, 1, false, U, M, L"En", L"2nd great-nephew"},
        {2, 2, false, U, M, L"En", L"first cousin"},
        {3, 4, false, U, F, L"En", L"second cousin once removed"},
        {5, 3, false, U, M, L"En", L"second cousin twice removed"},
        {2, 5, false, U, U, L"En", L"first cousin three times removed"},
        {2, 12, false, U, U, L"En", L"first cousin ten times removed"},
        {11, 11, false, U, F, L"En", L"tenth cousin"},
        {12, 14, false, U, F, L"En", L"11th cousin twice removed"},
        {2, 2, true, M, F, L"En", L"half first cousin"},

        {0, 1, false, U, F, L"Fr", L"mère"},
        {0, 2, false, U, U, L"Fr", L"grand-parent"},
        {0, 3, false, U, M, L"Fr", L"arrière-grand-père"},
        {0, 4, false, U, F, L"Fr", L"arrière-arrière-grand-mère"},
        {0, 5, false, U, M, L"Fr", L"ancêtre à la 5e génération"},
        {1, 0, false, U, U, L"Fr", L"enfant"},
        {2, 0, false, U, F, L"Fr", L"petite-fille"},
        {3, 0, false, U, M, L"Fr", L"arrière-petit-fils"},
        {6, 0, false, U, U, L"Fr", L"descendant ou descendante à la 6e génération"},
        {1, 1, false, U, U, L"Fr", L"frère ou sœur"},
        {1, 1, true, F, F, L"Fr", L"demi-sœur"},
        {1, 2, false, U, U, L"Fr", L"oncle ou tante"},
        {1, 3, false, U, M, L"Fr", L"grand-oncle"},
        {1, 4, false, U, F, L"Fr", L"arrière-grand-tante"},
        {1, 2, true, M, M, L"Fr", L"demi-oncle"},
        {3, 1, false, U, F, L"Fr", L"petite-nièce"},
        {2, 2, false, U, F, L"Fr", L"cousine germaine"},
        {2, 2, true, U, M, L"Fr", L"demi-cousin germain"},
        {3, 3, false, U, M, L"Fr", L"cousin issu de germain"},
        {3, 3, false, U, F, L"Fr", L"cousine issue de germain"},
        {4, 4, false, U, F, L"Fr", L"cousine au 3e degré"},
        {2, 3, false, U, F, L"Fr", L"tante à la mode de Bretagne"},
        {3, 2, false, U, U, L"Fr", L"neveu ou nièce à la mode de Bretagne"},
        {1, 5, false, U, F, L"Fr",
         L"parente (en remontant de 1 génération jusqu'aux ancêtres communs, puis en descendant de 5)"},
        {4, 2, true, M, M, L"Fr",
         L"parent (en remontant de 4 générations jusqu'au seul ancêtre commun, puis en descendant de 2)"},

        {0, 1, false, U, U, L"Ge", L"Elternteil"},
        {0, 3, false, U, M, L"Ge", L"Urgroßvater"},
        {0, 4, false, U, F, L"Ge", L"Ururgroßmutter"},
        {0, 6, false, U, U, L"Ge", L"Vorfahr oder Vorfahrin in 6. Generation"},
        {2, 0, false, U, U, L"Ge", L"Enkelkind"},
        {3, 0, false, U, F, L"Ge", L"Urenkelin"},
        {5, 0, false, U, M, L"Ge", L"Nachkomme in 5. Generation"},
        {1, 1, false, U, U, L"Ge", L"Geschwister"},
        {1, 1, true, M, M, L"Ge", L"Halbbruder"},
        {1, 2, false, U, U, L"Ge", L"Onkel oder Tante"},
        {1, 3, false, U, F, L"Ge", L"Großtante"},
        {1, 4, false, U, M, L"Ge", L"Urgroßonkel"},
        {4, 1, false, U, F, L"Ge", L"Urgroßnichte"},
        {2, 2, false, U, U, L"Ge", L"Cousin oder Cousine"},
        {3, 3, false, U, F, L"Ge", L"Cousine zweiten Grades"},
        {3, 3, true, U, F, L"Ge", L"Halbcousine zweiten Grades"},
        {5, 5, false, U, M, L"Ge", L"Cousin 4. Grades"},
        {2, 3, false, U, M, L"Ge", L"Onkel zweiten Grades"},
        {3, 2, false, U, F, L"Ge", L"Nichte zweiten Grades"},
        {2, 4, false, U, F, L"Ge",
         L"Verwandte (2 Generationen hinauf bis zu den gemeinsamen Vorfahren, dann 4 hinab)"},
        {1, 5, true, F, U, L"Ge",
         L"Verwandter oder Verwandte (1 Generation hinauf bis zum einzigen gemeinsamen Vorfahren, dann 5 "
         L"hinab)"},

        {0, 1, false, U, U, L"It", L"genitore"},
        {0, 2, false, U, U, L"It", L"nonno o nonna"},
        {0, 3, false, U, F, L"It", L"bisnonna"},
        {0, 4, false, U, M, L"It", L"trisnonno"},
        {0, 5, false, U, F, L"It", L"antenata di 5ª generazione"},
        {1, 0, false, U, U, L"It", L"figlio o figlia"},
        {2, 0, false, U, F, L"It", L"nipote"},
        {4, 0, false, U, U, L"It", L"trisnipote"},
        {7, 0, false, U, M, L"It", L"discendente di 7ª generazione"},
        {1, 1, false, U, F, L"It", L"sorella"},
        {1, 1, true, M, M, L"It", L"fratello consanguineo"},
        {1, 1, true, F, F, L"It", L"sorella uterina"},
        {1, 1, true, U, M, L"It", L"fratellastro"},
        {1, 2, false, U, U, L"It", L"zio o zia"},
        {1, 3, false, U, M, L"It", L"prozio"},
        {3, 1, false, U, M, L"It", L"pronipote"},
        {2, 2, false, U, U, L"It", L"cugino o cugina di primo grado"},
        {2, 2, true, M, M, L"It", L"cugino di primo grado (con un solo antenato comune)"},
        {3, 3, false, U, F, L"It", L"cugina di secondo grado"},
        {4, 4, false, U, M, L"It", L"cugino di 3º grado"},
        {2, 3, false, U, M, L"It",
         L"parente (risalendo di 2 generazioni fino agli antenati comuni, poi scendendo di 3)"},
        {1, 4, true, M, F, L"It",
         L"parente (risalendo di 1 generazione fino all'unico antenato comune, poi scendendo di 4)"},

        {0, 1, false, U, M, L"Xx", L"отец"}, // an unknown code reads as Russian
        {0, 1, false, U, U, L"Ru", L"родитель"},
        {0, 2, false, U, M, L"Ru", L"дед"},
        {0, 3, false, U, F, L"Ru", L"прабабушка"},
        {0, 4, false, U, M, L"Ru", L"прапрадед"},
        {0, 5, false, U, U, L"Ru", L"предок в 5-м поколении"},
        {1, 0, false, U, U, L"Ru", L"сын или дочь"},
        {2, 0, false, U, F, L"Ru", L"внучка"},
        {4, 0, false, U, M, L"Ru", L"праправнук"},
        {6, 0, false, U, F, L"Ru", L"потомок в 6-м поколении"},
        {1, 1, false, U, U, L"Ru", L"брат или сестра"},
        {1, 1, true, M, M, L"Ru", L"единокровный брат"},
        {1, 1, true, F, F, L"Ru", L"единоутробная сестра"},
        {1, 1, true, U, U, L"Ru", L"неполнородный брат или неполнородная сестра"},
        {1, 2, false, U, U, L"Ru", L"дядя или тётя"},
        {1, 2, true, M, M, L"Ru", L"дядя (с одним общим предком)"},
        {1, 3, false, U, M, L"Ru", L"двоюродный дед"},
        {1, 4, false, U, F, L"Ru", L"двоюродная прабабушка"},
        {3, 1, false, U, F, L"Ru", L"внучатая племянница"},
        {2, 2, false, U, M, L"Ru", L"двоюродный брат"},
        {3, 3, false, U, F, L"Ru", L"троюродная сестра"},
        {4, 4, false, U, M, L"Ru", L"четвероюродный брат"},
        {2, 3, false, U, F, L"Ru", L"двоюродная тётя"},
        {4, 3, false, U, M, L"Ru", L"троюродный племянник"},
        {5, 5, false, U, F, L"Ru", L"родственница (на 5 поколений вверх до общих предков, затем на 5 вниз)"},
        {2, 4, true, M, M, L"Ru",
         L"родственник (на 2 поколения вверх до единственного общего предка, затем на 4 вниз)"},
        {21, 23, false, U, M, L"Ru",
         L"родственник (на 21 поколение вверх до общих предков, затем на 23 вниз)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(WideToUtf8(row.m_pszTerm));
        const CBloodKin kin = {row.m_nUp, row.m_nDown, row.m_bHalf, row.m_halfParent};
        EXPECT_EQ(WideToUtf8(BloodTerm(kin, row.m_sex, row.m_pszLang)), WideToUtf8(row.m_pszTerm));
    }
}

TEST(KinshipTermsTest, MarriageTermInEachLanguage)
{
    using enum CMarriageLink;
    const struct {
        CMarriageLink m_link;
        int m_nUp, m_nDown;
        CKinSex m_sex, m_linkSex;
        const wchar_t* m_pszLang;
        const wchar_t* m_pszTerm;
    } rows[] = {
        {Spouse, 0, 0, M, U, L"En", L"husband"},
        {Spouse, 0, 0, U, U, L"En", L"spouse"},
        {SpouseOfRelative, 0, 1, F, M, L"En", L"stepmother"},
        {SpouseOfRelative, 1, 0, M, F, L"En", L"son-in-law"},
        {SpouseOfRelative, 1, 1, U, F, L"En", L"sibling-in-law"},
        {SpouseOfRelative, 2, 2, F, M, L"En", L"wife of the first cousin"},
        {SpouseOfRelative, 1, 2, M, U, L"En", L"husband of the uncle or aunt"},
        {RelativeOfSpouse, 0, 1, M, F, L"En", L"father-in-law"},
        {RelativeOfSpouse, 1, 0, F, M, L"En", L"stepdaughter"},
        {RelativeOfSpouse, 1, 1, F, M, L"En", L"sister-in-law"},
        {RelativeOfSpouse, 2, 2, M, M, L"En", L"first cousin of the husband"},
        {RelativeOfSpouse, 0, 2, F, F, L"En", L"grandmother of the wife"},

        {Spouse, 0, 0, F, U, L"Fr", L"épouse"},
        {SpouseOfRelative, 1, 0, M, F, L"Fr", L"gendre"},
        {SpouseOfRelative, 1, 0, F, M, L"Fr", L"belle-fille"},
        {RelativeOfSpouse, 1, 0, M, F, L"Fr", L"beau-fils"},
        {RelativeOfSpouse, 0, 1, U, M, L"Fr", L"beau-parent"},
        {SpouseOfRelative, 2, 2, M, F, L"Fr", L"époux de la cousine germaine"},
        {SpouseOfRelative, 1, 2, F, M, L"Fr", L"épouse de l'oncle"},
        {SpouseOfRelative, 2, 2, U, U, L"Fr", L"conjoint du cousin germain ou de la cousine germaine"},
        {RelativeOfSpouse, 3, 3, F, M, L"Fr", L"cousine issue de germain de l'époux"},

        {Spouse, 0, 0, F, U, L"Ge", L"Ehefrau"},
        {SpouseOfRelative, 0, 1, M, F, L"Ge", L"Stiefvater"},
        {SpouseOfRelative, 1, 0, F, M, L"Ge", L"Schwiegertochter"},
        {RelativeOfSpouse, 0, 1, F, M, L"Ge", L"Schwiegermutter"},
        {RelativeOfSpouse, 1, 0, U, F, L"Ge", L"Stiefkind"},
        {RelativeOfSpouse, 1, 1, M, F, L"Ge", L"Schwager"},
        {SpouseOfRelative, 2, 1, F, M, L"Ge", L"Ehefrau des Neffen"},
        {SpouseOfRelative, 3, 3, M, U, L"Ge", L"Ehemann des Cousins oder der Cousine zweiten Grades"},
        {SpouseOfRelative, 2, 0, M, U, L"Ge", L"Ehemann des Enkelkindes"},
        {RelativeOfSpouse, 2, 2, F, M, L"Ge", L"Cousine des Ehemanns"},

        {Spouse, 0, 0, M, U, L"It", L"marito"},
        {SpouseOfRelative, 0, 1, F, M, L"It", L"matrigna"},
        {SpouseOfRelative, 1, 0, F, M, L"It", L"nuora"},
        {RelativeOfSpouse, 0, 1, M, F, L"It", L"suocero"},
        {RelativeOfSpouse, 1, 0, M, F, L"It", L"figliastro"},
        {RelativeOfSpouse, 1, 1, F, M, L"It", L"cognata"},
        {SpouseOfRelative, 1, 2, F, M, L"It", L"moglie dello zio"},
        {SpouseOfRelative, 2, 0, M, F, L"It", L"marito della nipote"},
        {SpouseOfRelative, 0, 5, M, F, L"It", L"marito dell'antenata di 5ª generazione"},
        {RelativeOfSpouse, 2, 2, F, F, L"It", L"cugina di primo grado della moglie"},

        {Spouse, 0, 0, F, U, L"Ru", L"жена"},
        {Spouse, 0, 0, U, U, L"Ru", L"супруг"},
        {SpouseOfRelative, 0, 1, M, F, L"Ru", L"отчим"},
        {SpouseOfRelative, 1, 0, F, M, L"Ru", L"невестка"},
        {SpouseOfRelative, 1, 1, M, F, L"Ru", L"зять"},
        {RelativeOfSpouse, 0, 1, M, M, L"Ru", L"свёкор"},
        {RelativeOfSpouse, 0, 1, F, F, L"Ru", L"тёща"},
        {RelativeOfSpouse, 0, 1, M, U, L"Ru", L"отец супруга"},
        {RelativeOfSpouse, 1, 1, M, M, L"Ru", L"деверь"},
        {RelativeOfSpouse, 1, 1, F, M, L"Ru", L"золовка"},
        {RelativeOfSpouse, 1, 1, M, F, L"Ru", L"шурин"},
        {RelativeOfSpouse, 1, 1, F, F, L"Ru", L"свояченица"},
        {RelativeOfSpouse, 1, 0, F, M, L"Ru", L"падчерица"},
        {SpouseOfRelative, 2, 2, M, F, L"Ru", L"муж двоюродной сестры"},
        {SpouseOfRelative, 1, 3, F, M, L"Ru", L"жена двоюродного деда"},
        {SpouseOfRelative, 2, 1, M, U, L"Ru", L"муж племянника или племянницы"},
        {SpouseOfRelative, 0, 2, M, F, L"Ru", L"муж бабушки"},
        {RelativeOfSpouse, 3, 3, F, M, L"Ru", L"троюродная сестра мужа"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(WideToUtf8(row.m_pszTerm));
        const CBloodKin kin = {row.m_nUp, row.m_nDown};
        EXPECT_EQ(WideToUtf8(MarriageTerm(row.m_link, kin, row.m_sex, row.m_linkSex, row.m_pszLang)),
                  WideToUtf8(row.m_pszTerm));
    }
}

TEST(KinshipTermsTest, SentenceLeavesTheNamesAsWritten)
{
    const struct {
        const wchar_t* m_pszP;
        const wchar_t* m_pszTerm;
        const wchar_t* m_pszQ;
        const wchar_t* m_pszLang;
        const wchar_t* m_pszSentence;
    } rows[] = {
        {L"Anna", L"second cousin once removed", L"Boris", L"En",
         L"Anna is the second cousin once removed of Boris."},
        {L"Anna", L"cousine issue de germain", L"Boris", L"Fr",
         L"Anna est cousine issue de germain de Boris."},
        {L"Boris", L"cousin germain", L"Élise", L"Fr", L"Boris est cousin germain d'Élise."},
        {L"Anna", L"Cousine zweiten Grades", L"Boris", L"Ge", L"Anna ist Cousine zweiten Grades von Boris."},
        {L"Anna", L"cugina di secondo grado", L"Boris", L"It", L"Anna è cugina di secondo grado di Boris."},
        {L"Анна", L"троюродная сестра", L"Борис", L"Ru", L"Борис: Анна — троюродная сестра."},
        {L"Anna", L"", L"Anna", L"En", L""}, // no term, no sentence
    };
    for (const auto& row : rows)
        EXPECT_EQ(WideToUtf8(KinshipSentence(row.m_pszP, row.m_pszTerm, row.m_pszQ, row.m_pszLang)),
                  WideToUtf8(row.m_pszSentence));
}

} // namespace
