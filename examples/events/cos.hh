// The stubs the events example uses, all of them in omniORB's library of service stubs (COS4):
// the event channel and its proxies, and the life-cycle factory interface that omniEvents'
// channel factory supports.
#ifndef EVENTS_COS_HH
#define EVENTS_COS_HH
#include <COS/CosEventChannelAdmin.hh>
#include <COS/CosLifeCycle.hh>
#endif
