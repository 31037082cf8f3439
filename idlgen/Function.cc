// Function: construction, destubbing and the diagnostic dump of a generated function.
#include "idlgen/Function.hh"

#include <cassert>
#include <ostream>

#include "foundation/IgnorableError.hh"

namespace {

const char *const opTypeNames[] = {"operation", "attribute_set", "attribute_get", "constructor"};

}  // namespace

Function::Function()
    : stub(true), idl_operation(nullptr), idl_interface(nullptr), idl_op_type(operation) {}

void Function::destub() {
  if (!stub)
    return;
  stub = false;
  cc_code = Dstr();
}

void check(const Function *f) {
  if (!f)
    FatalError(ignerrmsg);
}

std::ostream &operator<<(std::ostream &os, const Function &f) {
  assert(f.idl_op_type >= Function::operation && f.idl_op_type <= Function::constructor);
  return os << "cc_class_name: " << f.cc_class_name << "\n"
            << "cc_function_name: " << f.cc_function_name << "\n"
            << "idl_op_type: " << opTypeNames[f.idl_op_type] << "\n"
            << "idl_interface_name: " << f.idl_interface_name << "\n"
            << "idl_operation_name: " << f.idl_operation_name << "\n"
            << "cc_begin: \n" << f.cc_begin << "cc_code: \n" << f.cc_code
            << "cc_end: \n" << f.cc_end << "returnType: \n" << f.returnType;
}
