#pragma once
// Realistic generated databases for benchmarks and manual testing: a folder tree several levels
// deep, items in several folders, repeating tasks with reminders, to-dos with deadlines, notes with
// RTF contents, contacts with their fields, keywords and user variables. Deterministic per seed.
#include <cstdint>

class CDvDoc;

void DvFillSampleDatabase(CDvDoc& doc, int itemCount, uint32_t seed = 1);
