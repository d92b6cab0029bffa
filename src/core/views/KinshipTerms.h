#pragma once

#include <string>
#include <string_view>

/// The sex of a person as the file gives it.
enum class CKinSex { Male, Female, Unknown };

/// How one person stands to another by blood, from their nearest common
/// ancestor (or couple): "P is the TERM of Q".
struct CBloodKin {
    int m_nUp = 0;        ///< generations from P up to the common ancestor; 0: P is that ancestor
    int m_nDown = 0;      ///< generations from Q up to the common ancestor; 0: Q is that ancestor
    bool m_bHalf = false; ///< the lines meet in one ancestor, not a couple (half-siblings, half-cousins...)
    CKinSex m_halfParentSex =
        CKinSex::Unknown; ///< for a half relation: the sex of the one ancestor in common
};

/// The term for "P is the TERM of Q" in the language `lang`, for a P of sex
/// `sex`: "father", "third cousin twice removed", "Urgroßvater", "троюродная сестра".
/// m_nUp == m_nDown == 0 (the same person) gives an empty text.
std::wstring BloodTerm(const CBloodKin& kin, CKinSex sex, std::wstring_view lang);

/// How a marriage joins P to Q, one marriage deep.
enum class CMarriageLink {
    Spouse,           ///< P is Q's spouse
    SpouseOfRelative, ///< P is the spouse of R, and R stands to Q as `kin` says ("R is the kin of Q")
    RelativeOfSpouse, ///< P stands to S as `kin` says, and S is Q's spouse
};

/// The term for "P is the TERM of Q" through a marriage: "husband",
/// "father-in-law", "son-in-law", "sister-in-law", "stepson", "stepmother",
/// and beyond those a composed form ("wife of the first cousin", "first cousin
/// of the husband"). `sex` is P's; `linkSex` is the sex of the relative R
/// (SpouseOfRelative) or of the spouse S (RelativeOfSpouse); unused for Spouse.
std::wstring MarriageTerm(CMarriageLink link, const CBloodKin& kin, CKinSex sex, CKinSex linkSex,
                          std::wstring_view lang);

/// The sentence "P is the TERM of Q." in the language, with the two names as
/// given (never declined: a name is shown as written, so write the sentence so
/// that it needs no case ending on a name; in Russian for example "Борис: Анна — троюродная сестра." or
/// another form that keeps both names in the nominative). An empty term gives an empty text.
std::wstring KinshipSentence(std::wstring_view strP, std::wstring_view strTerm, std::wstring_view strQ,
                             std::wstring_view lang);
