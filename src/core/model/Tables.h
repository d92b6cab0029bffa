#pragma once

#include "core/model/Family.h"
#include "core/model/NoteRecordTable.h"
#include "core/model/Person.h"
#include "core/model/RecordTable.h"
#include "core/platform/Log.h" // theFileFolder, which the reader sets
#include "core/platform/Message.h"

#include <string>
#include <string_view>

/// All persons and all families of the file, in file order; a record's index
/// names it everywhere. The reader alone fills them.
extern CRecordTable<CPerson> thePersons;
extern CRecordTable<CFamily> theFamilies;
/// Last indices of the tables; -1 for persons also means that no file is loaded.
extern const int& theLastPersonIndex;
extern const int& theLastFamilyIndex;
/// The NOTE and SNOTE records of the file, which notes may point to.
extern CNoteRecordTable theNoteRecords;

/// The first person with the id, or -1; an empty id is never looked up.
int FindPersonById(const CText& id);
int FindPersonById(std::wstring_view id);
inline int FindPersonById(const std::wstring& strId) { return FindPersonById(std::wstring_view(strId)); }
inline int FindPersonById(const wchar_t* pszId) { return FindPersonById(std::wstring_view(pszId)); }

/// The first family with the id, or -1; an empty id finds a family without one.
int FindFamilyById(const CText& id);
int FindFamilyById(std::wstring_view id);
inline int FindFamilyById(const std::wstring& strId) { return FindFamilyById(std::wstring_view(strId)); }
inline int FindFamilyById(const wchar_t* pszId) { return FindFamilyById(std::wstring_view(pszId)); }

/// The person's father, else mother. A missing link of any kind gives -1 and
/// one warning added to `messages`.
int FindParentIndex(int nPerson, CMessages& messages);

/// What a note shows: the text of the note record that its whole value points
/// to, else the value as written.
std::wstring ResolveNoteText(const CText& text);

/// Empties the model: persons, families, note records, events and texts.
void ClearTables();
