// The back end's command-line hook: the text of every -Wb, option arrives here and is ignored,
// since this back end takes no options of its own.
#include "nux/be_extern.hh"

void BE_prep_arg(const char *, bool) {}
