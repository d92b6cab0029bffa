#pragma once

#include <cstdint>
#include <string>

// GEDCOM files made to hurt the reader and the views, generated on demand so
// that none of them has to be kept. The same arguments give the same bytes.

/// `nBytes` bytes of noise.
std::string RandomBytesGedcom(std::size_t nBytes, std::uint32_t nSeed);

/// Persons and a family with NUL bytes inside names, ids, dates, places and notes.
std::string NulValuesGedcom();

/// One person whose NAME line is `nBytes` long, full of slashes and blanks.
std::string LongLineGedcom(std::size_t nBytes);

/// Lines nested `nLevels` deep, inside a source record and then inside a person.
std::string DeepLevelsGedcom(int nLevels);

/// A man who is the husband and the child of his own family.
std::string OwnFatherGedcom();

/// `nPersons` persons each the only child of the next one's family, the last
/// of the first one's: a cycle of generations.
std::string CycleGedcom(int nPersons);

/// A ring of `nPersons` persons knotted by as many families: family k has the
/// husband k, the wife k + 1 and the children k + 2, k + 3 and k + 5 (modulo
/// nPersons). Every person is a spouse in two families and a child of three,
/// written as three FAMC lines of which the reader keeps the last (family
/// k - 2). Every link stays inside one knot, so the paths that a count
/// follows multiply by about 3.3 with each person more below a person, and
/// by 1.6 above it: 60 persons give some 10^31 and 10^13 of them.
std::string KnotGedcom(int nPersons);

/// A single line of `nGenerations` persons, each the only child of the one before.
std::string LongLineageGedcom(int nGenerations);

/// `nRecords` persons and as many families sharing one id each, all linked to it.
std::string SharedIdGedcom(int nRecords);

/// A family that lists the same child `nTimes`, the child a father in turn.
std::string RepeatedChildGedcom(int nTimes);

/// A person whose FAMS and FAMC are its own id, a family whose HUSB and CHIL
/// are its own, and a person and a family that share one id and point at it.
std::string SelfLinksGedcom();
