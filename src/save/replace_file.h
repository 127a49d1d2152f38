// Replacing a file's content so that a crash, a power cut or a full disk at any moment leaves
// either the old content or the new one, whole.
#pragma once

#include <string>
#include <string_view>

#include "save/file_ops.h"

namespace fm {

// The temporary file beside `name` that the new content is written to first.
std::string temporary_name(const std::string& name);

// Writes `text` to a temporary file in `folder`, flushes it to the disk, renames it over
// `folder`/`name` (creating that file if it is missing) and flushes the folder. True when all of
// it succeeded. On a failure before the rename the old file is left untouched and the temporary
// file is removed.
bool replace_file(const std::string& folder, const std::string& name, std::string_view text,
                  File_Ops& ops);

}  // namespace fm
