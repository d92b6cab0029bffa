#include "core/views/RelationshipPage.h"

#include "core/model/Document.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/text/WideText.h"
#include "core/views/KinshipTerms.h"
#include "core/views/ViewOptions.h"

namespace {

CKinSex SexOf(const CDocument& doc, int nPerson)
{
    const CText sex = doc.Persons()[nPerson].m_strSex;
    if (doc.Equals(sex, L"M"))
        return CKinSex::Male;
    if (doc.Equals(sex, L"F"))
        return CKinSex::Female;
    return CKinSex::Unknown;
}

std::wstring NameOf(const CDocument& doc, int nPerson, const CViewOptions& options)
{
    return doc.Persons()[nPerson].GetFullNameFirstFirst(doc, options.m_names);
}

std::wstring LinkTo(const CDocument& doc, int nPerson, const CViewOptions& options)
{
    return L"<a href=\"person:" + std::to_wstring(nPerson) + L"\">" + EscapeHtml(NameOf(doc, nPerson, options)) +
           L"</a>";
}

// The ancestor or couple the lines come down from, and the lines side by
// side below it, a generation a row.
std::wstring LinesTable(const CDocument& doc, const CRelationship& way, const CViewOptions& options)
{
    std::wstring strTop = LinkTo(doc, way.m_nTop, options);
    if (way.m_nTopSpouse >= 0)
        strTop += L" &amp; " + LinkTo(doc, way.m_nTopSpouse, options);
    std::wstring strTable = LoadLangString(way.m_nTopSpouse >= 0 ? IDS_COMMON_ANCESTORS : IDS_COMMON_ANCESTOR) +
                            L" " + strTop + L"</p><table cellspacing=\"2\">";
    const auto cell = [&](const std::vector<int>& anLine, int nBelow) {
        const int nIndex = static_cast<int>(anLine.size()) - 1 - nBelow;
        return L"<td>" + (nIndex >= 0 ? LinkTo(doc, anLine[static_cast<std::size_t>(nIndex)], options) : L"") +
               L"</td>";
    };
    for (int nBelow = 1; nBelow <= std::max(way.Up(), way.Down()); ++nBelow)
        strTable += L"<tr><td>" + std::to_wstring(nBelow) + L"</td>" + cell(way.m_anLineA, nBelow) +
                    cell(way.m_anLineB, nBelow) + L"</tr>";
    return strTable + L"</table>";
}

} // namespace

std::wstring KinshipLanguage()
{
    switch (theStringOffset) {
    case 0:
        return L"En";
    case 400:
        return L"Fr";
    case 600:
        return L"Ge";
    case 800:
        return L"It";
    default:
        return L"Ru";
    }
}

// Through a spouse the lines join the spouse and the other person: A's
// spouse S and B, or A and B's spouse T.
std::pair<std::wstring, std::wstring> KinshipSentences(const CDocument& doc, int nA, int nB, const CRelationship& way,
                                                       const CViewOptions& options)
{
    const std::wstring strLang = KinshipLanguage();
    const CKinSex sexA = SexOf(doc, nA);
    const CKinSex sexB = SexOf(doc, nB);
    const CKinSex sexSpouse = way.m_nSpouse >= 0 ? SexOf(doc, way.m_nSpouse) : CKinSex::Unknown;
    const CKinSex sexTop = way.m_nTop >= 0 ? SexOf(doc, way.m_nTop) : CKinSex::Unknown;
    const CBloodKin up{way.Up(), way.Down(), way.m_bHalf, sexTop};
    const CBloodKin down{way.Down(), way.Up(), way.m_bHalf, sexTop};
    std::wstring strAB;
    std::wstring strBA;
    switch (way.m_kind) {
    case CRelationKind::Blood:
        strAB = BloodTerm(up, sexA, strLang);
        strBA = BloodTerm(down, sexB, strLang);
        break;
    case CRelationKind::Spouse:
        strAB = MarriageTerm(CMarriageLink::Spouse, {}, sexA, sexB, strLang);
        strBA = MarriageTerm(CMarriageLink::Spouse, {}, sexB, sexA, strLang);
        break;
    case CRelationKind::ViaSpouseOfA:
        strAB = MarriageTerm(CMarriageLink::SpouseOfRelative, up, sexA, sexSpouse, strLang);
        strBA = MarriageTerm(CMarriageLink::RelativeOfSpouse, down, sexB, sexSpouse, strLang);
        break;
    case CRelationKind::ViaSpouseOfB:
        strAB = MarriageTerm(CMarriageLink::RelativeOfSpouse, up, sexA, sexSpouse, strLang);
        strBA = MarriageTerm(CMarriageLink::SpouseOfRelative, down, sexB, sexSpouse, strLang);
        break;
    }
    const std::wstring strA = NameOf(doc, nA, options);
    const std::wstring strB = NameOf(doc, nB, options);
    return {KinshipSentence(strA, strAB, strB, strLang), KinshipSentence(strB, strBA, strA, strLang)};
}

std::wstring BuildRelationshipPage(const CDocument& doc, int nA, int nB, const CRelationships& found,
                                   const CViewOptions& options)
{
    std::wstring strPage = L"<b>" + LoadLangString(IDS_RELATIONSHIP) + L"</b>: " + LinkTo(doc, nA, options) +
                           L" \u2013 " + LinkTo(doc, nB, options) + L"<br>";
    if (nA == nB)
        strPage += L"<br>" + LoadLangString(IDS_SAME_PERSON) + L"<br>";
    else if (found.m_found.empty())
        strPage += L"<br>" + LoadLangString(IDS_NO_RELATIONSHIP) + L"<br>";
    for (std::size_t i = 0; i < found.m_found.size(); ++i) {
        const CRelationship& way = found.m_found[i];
        const auto [strAB, strBA] = KinshipSentences(doc, nA, nB, way, options);
        // Each way a paragraph of its own, set apart from the table above.
        strPage += L"<p style=\"margin-top:12px\"><b>" + std::to_wstring(i + 1) + L".</b> " + EscapeHtml(strAB) +
                   L"<br>" + EscapeHtml(strBA) + L"<br>";
        if (way.m_kind == CRelationKind::ViaSpouseOfA || way.m_kind == CRelationKind::ViaSpouseOfB) {
            const int nMarried = way.m_kind == CRelationKind::ViaSpouseOfA ? nA : nB;
            strPage += FillIn(LoadLangString(IDS_THROUGH_MARRIAGE),
                              {LinkTo(doc, nMarried, options), LinkTo(doc, way.m_nSpouse, options)}) +
                       L"<br>";
        }
        strPage += way.m_kind != CRelationKind::Spouse ? LinesTable(doc, way, options) : L"</p>";
    }
    strPage += L"<p style=\"margin-top:12px\">";
    if (found.m_nCount > found.m_found.size() || found.m_bStopped)
        strPage += FillIn(LoadLangString(IDS_WAYS_SHOWN),
                          {std::to_wstring(found.m_found.size()),
                           std::to_wstring(found.m_nCount) + (found.m_bStopped ? L"+" : L"")}) +
                   L"<br><br>";
    return strPage + L"<a href=\"choose:\">" + LoadLangString(IDS_COMPARE_WITH_OTHER) + L"</a></p>";
}
