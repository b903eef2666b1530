// study_merge.h: the shards of a study put back together, and what the study was.
#pragma once

#include <string>
#include <vector>

#include "study/study_record.h"

/// One study from the results of its shards: the boards in the order of one run over the whole
/// list (by side, then index; for files, by index). False, with the reason in error, when the
/// parts name different methods or seeds, or a board twice.
bool MergeStudies(std::vector<StudyResults> parts, StudyResults& merged, std::string& error);

/// The parameters that a run giving these results was asked for: its methods, sides, boards per
/// side (for files, the number of files), kind ("mixed" when the boards are of several kinds)
/// and seed.
StudyParameters InferParameters(const StudyResults& results);
