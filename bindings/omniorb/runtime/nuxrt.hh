// Runtime of the programs that nuxc writes through the omniORB binding. Header only: a generated
// program reaches it through its generated header and links nothing beyond omniORB
// (omniDynamic4). Its parts, in the order they build on each other:
//   nuxrt_traits.hh    type tests, the strings of QOR values, the types of declared variables
//   nuxrt_settings.hh  the NUXRT_* environment variables, checked
//   nuxrt_state.hh     the process state and the output stream
//   nuxrt_print.hh     values as IDL-like literals, and the print command
//   nuxrt_compare.hh   comparisons, and where two values first differ
//   nuxrt_outcomes.hh  what the summary line counts: tests, checks, calls; exceptions
//   nuxrt_script.hh    the expected calls of a scripted server
//   nuxrt_checks.hh    assert and the QOR checks
//   nuxrt_report.hh    the JUnit XML report (NUXRT_REPORT)
//   nuxrt_orb.hh       the ORB, the POA, the naming service; create, bind, serve; signals
//   nuxrt_naming.hh    names from their text and binding lists as text, for naming scripts
//   nuxrt_values.hh    QOR values, exceptions raised, stubs' results, create, read, fork's loop
//   nuxrt_main.hh      main: set-up, summary line, report, exit status
// nuxrt_any.hh, included by the generated source after the IDL stubs, puts values into an Any.
#ifndef NUXRT_HH
#define NUXRT_HH

#include "nuxrt_traits.hh"
#include "nuxrt_settings.hh"
#include "nuxrt_state.hh"
#include "nuxrt_print.hh"
#include "nuxrt_compare.hh"
#include "nuxrt_outcomes.hh"
#include "nuxrt_script.hh"
#include "nuxrt_checks.hh"
#include "nuxrt_report.hh"
#include "nuxrt_orb.hh"
#include "nuxrt_naming.hh"
#include "nuxrt_values.hh"
#include "nuxrt_main.hh"

// clone and compare of the IDL sequences, one definition for every sequence type. They are not
// generated per typedef as those of structures and unions are: "typedef Seq Alias;" names the
// same C++ type as Seq, and a second set of functions under the alias would define them twice.
template <class S, std::enable_if_t<nuxrt::is_sequence<S>::value, int> = 0> S clone(const S &value)
{
    return S(value);
}

template <class S, std::enable_if_t<nuxrt::is_sequence<S>::value, int> = 0> S *clone(const S *value)
{
    return value ? new S(*value) : nullptr;
}

template <class S, std::enable_if_t<nuxrt::is_sequence<S>::value, int> = 0>
CORBA::Boolean compare(const S &left, const S &right, NuxrtSupport = NuxrtSupport())
{
    if (left.length() != right.length())
        return false;
    for (CORBA::ULong i = 0; i < left.length(); ++i)
        if (!nuxrt::same(left[i], right[i]))
            return false;
    return true;
}

#endif
