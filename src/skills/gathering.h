// Mining, fishing and woodcutting: one procedure over three option tables.
#pragma once

namespace fm {

void Start_Mining();
void Start_Fishing();
void Start_Chopping();

}  // namespace fm
