// The stub header of CosNaming.idl that the servant includes by the IDL file's name: omniORB's
// own headers already hold CosNaming (omniORB4/Naming.hh, through CORBA.h), so no omniidl run
// is needed and this header only forwards to them.
#ifndef NAMECLT_COSNAMING_HH
#define NAMECLT_COSNAMING_HH
#include <omniORB4/CORBA.h>
#endif
