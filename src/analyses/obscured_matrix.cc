#include "analyses/obscured_matrix.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "model/file_open.h"
#include "model/reactions_reader.h"

namespace vemo {

namespace {

double wide(float value) { return static_cast<double>(value); }

// The noise fraction and decoy integer of one group, drawn in that order.
struct Disguise {
  double noise;
  int decoy;
};

Disguise draw_disguise(Workbench& wb) {
  const int r1 = random_draw(wb);
  const int r2 = random_draw(wb);
  return {wide(static_cast<float>(r1 * 3.0518509e-05)), static_cast<int>(r2 * 0.0030581041)};
}

void write_matrix(Workbench& wb, std::FILE* f) {
  const NetworkModel& m = wb.model;
  std::fprintf(f, " %i %i\n", m.num_of_rows, m.num_of_reactions);
  for (int i = 1; i <= m.num_of_rows; ++i) {
    std::fprintf(f, " %i %f %s 1.0", m.row_sense[i], wide(m.row_rhs[i]), m.row_names[i].c_str());
  }
  std::fprintf(f, "\n");
  std::vector<MatrixEntry> entries;
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    entries.clear();
    for (const MatrixEntry& e : m.stoich_matrix.column(j)) {
      if (e.row >= 1 && e.row <= m.num_of_rows) entries.push_back(e);
    }
    const bool odd = j % 2 == 1;
    std::fprintf(f, " %s %i ", m.reaction_names[j].c_str(), static_cast<int>(entries.size()));
    for (const MatrixEntry& e : entries) {
      const Disguise d = draw_disguise(wb);
      std::fprintf(f, odd ? " %i 1.000000 %f %f " : " %i %f -1.000000 %f ", d.decoy, wide(e.value),
                   d.noise);
    }
    for (const MatrixEntry& e : entries) {
      const Disguise d = draw_disguise(wb);
      std::fprintf(f, odd ? " %i -1.000000 %i %f " : " %i %i 1.000000 %f ", d.decoy, e.row,
                   d.noise);
    }
    std::fprintf(f, "\n");
  }
}

void write_bounds(const NetworkModel& m, std::FILE* f) {
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    if (m.has_lower_bound[j] == 1 || m.has_upper_bound[j] == 1) {
      std::fprintf(f, " %f ", wide(m.lower_bound[j]));
    } else {
      std::fprintf(f, " -1000 ");
    }
    std::fprintf(f, " %s ", m.reaction_names[j].c_str());
    if (m.has_upper_bound[j] == 1) {
      std::fprintf(f, " %f ", wide(m.upper_bound[j]));
    } else {
      std::fprintf(f, " 1000 ");
    }
    std::fprintf(f, "\n");
  }
}

}  // namespace

void make_encrypted_matrix(Workbench& wb) {
  wb.input_refused = false;
  read_data(wb);
  if (wb.input_refused) return;
  FilePtr matrix = open_with_retry(wb, kEncryptedMatrixFile, OpenMode::kWrite);
  if (!matrix) return;
  FilePtr bounds = open_with_retry(wb, kEncryptedBoundsFile, OpenMode::kWrite);
  if (!bounds) return;
  write_matrix(wb, matrix.get());
  write_bounds(wb.model, bounds.get());
  finish_writing(wb, std::move(matrix), kEncryptedMatrixFile);
  finish_writing(wb, std::move(bounds), kEncryptedBoundsFile);
}

}  // namespace vemo
