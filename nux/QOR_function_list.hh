// QOR_function_list: the functions that the messages of one QOR file call, one record per
// function, each with the messages counted for it. The "use" command fills it in a counting
// pass and then writes one numbered call script per record.
#ifndef NUX_QOR_FUNCTION_LIST_HH
#define NUX_QOR_FUNCTION_LIST_HH

#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/Dstr.hh"
#include "idlgen/FunctionList.hh"
#include "nux/DeclarationList.hh"
#include "qor/qor_struct.hh"

class NUX;

class QOR_function_list {
public:
  // One function the file calls, under one spelling of its name.
  struct function {
    // The generated function the messages call; not owned.
    Function *realfunction;
    // The receiver text of the message that created the record.
    Dstr name;
    // The declared variable through which the function was named, or null; not owned.
    DeclarationList::declaration *declaration;
    // The messages counted for the record, in file order: call n of the script is messages[n-1].
    // Numbering by this list, rather than by matching every message again when the script is
    // written, keeps the numbers consistent for a bare message (neither "In:" nor "Out:") to an
    // attribute: it could match both the get and the set record, and stays with the record
    // that took it when it was counted.
    std::vector<qormessage *> messages;
    function *next;

    unsigned int count() const { return static_cast<unsigned int>(messages.size()); }
  };

  QOR_function_list() = default;
  // Deletes the records, not the functions they refer to.
  ~QOR_function_list();
  QOR_function_list(const QOR_function_list &) = delete;
  QOR_function_list &operator=(const QOR_function_list &) = delete;

  // Counts m for its record. The first message for a function creates the record, at the head,
  // after resolving the receiver through nux (with "In:", attribute getters are passed over);
  // a receiver that names no function ends the run.
  void increment(qormessage *m, FunctionList &functions, DeclarationList &declarations,
                 NUX *nux);
  // The first record, from the head, with m's receiver as its name that m may call: not a set
  // function when m has "Out:", not a get function when m has "In:". Null when none.
  function *operator[](qormessage *m) const;

  // The most recently created record; each links to the one created before it.
  function *head = nullptr;

private:
  // The records of every receiver text (viewing the records' own names), oldest first.
  std::unordered_map<std::string_view, std::vector<function *>> byName;
};

#endif
