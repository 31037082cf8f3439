#ifndef FOUNDATION_DSTR_HH
#define FOUNDATION_DSTR_HH
class Dstr {};
#endif
