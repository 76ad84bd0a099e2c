#pragma once
// Whether this copy of the program may write the files the user keeps. A
// copy opened read-only, while another copy holds those files, writes none
// of them: each save is refused with the reason set here, and its content is
// kept elsewhere as for any file that could not be saved.
#include <QString>

namespace kopira::write_refusal {

// Refuses every later save with this reason; an empty reason allows saves.
void set(const QString& reason);

// Why saves are refused; empty while they are allowed.
const QString& reason();

}  // namespace kopira::write_refusal
