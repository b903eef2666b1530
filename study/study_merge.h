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

/// One study from the results of its shards: the boards in the order of one run over the whole
/// list, and the study's parameters as one run would give them. False, with the reason in
/// error, unless the parts come from one study and one program version, are each of its shards
/// once, and each holds exactly the boards of its shard.
bool MergeStudies(const std::vector<StudyPart>& parts, StudyParameters& parameters,
                  StudyResults& merged, std::string& error);
