// The stub header of CosEventComm.idl that the servant includes by the IDL file's name: omniORB's
// library of service stubs (COS4) already holds it, so no omniidl run is needed and this header
// only forwards to the library's.
#ifndef EVENTS_COSEVENTCOMM_HH
#define EVENTS_COSEVENTCOMM_HH
#include <COS/CosEventComm.hh>
#endif
