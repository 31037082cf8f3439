#include "depwrite/MakefileFragment.hh"
