#ifndef NUX_NUX_HH
#define NUX_NUX_HH
#endif
