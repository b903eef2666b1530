// study_merge.h: the shards of a study put back together, each checked against the study.
#pragma once

#include <string>
#include <vector>

#include "study/study_parameters.h"
#include "study/study_record.h"

/// One CSV file of a study: its name, the study it describes and its rows.
struct StudyPart {
  std::string file;
  StudyParameters parameters;
  StudyResults results;
};

/// One study from its shards' results, as one run would give it; false, with the reason in error,
/// unless the parts are each shard of one study and program version once, with its boards.
bool MergeStudies(const std::vector<StudyPart>& parts, StudyParameters& parameters,
                  StudyResults& merged, std::string& error);
