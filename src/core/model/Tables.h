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
int FindPersonById(const std::wstring& strId);

/// The first family with the id, or -1; an empty id finds a family without one.
int FindFamilyById(const std::wstring& strId);

/// The person's father, else mother. A missing link of any kind gives -1 and
/// one warning added to `messages`.
int FindParentIndex(int nPerson, CMessages& messages);

/// What a note shows: the text of the note record that its whole value points
/// to, else the value as written.
std::wstring_view ResolveNoteText(const std::wstring& strText);

/// Deletes every person, then every family, then the note records.
void ClearTables();
