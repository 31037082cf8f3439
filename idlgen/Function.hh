// Function: one function of the generated program (a server constructor, operation or
// attribute accessor made from IDL, or main), with its opening, body, closing and class-scope
// texts. It stays a stub, holding a generated default body, until a script defines it.
#ifndef IDLGEN_FUNCTION_HH
#define IDLGEN_FUNCTION_HH

#include <iosfwd>

#include "foundation/Dstr.hh"

class AST_Decl;
class AST_Interface;

class Function {
public:
  // What the function implements; the values show in the diagnostic output.
  enum OpType { operation = 0, attribute_set = 1, attribute_get = 2, constructor = 3 };

  Function();
  Function(const Function &) = delete;
  Function &operator=(const Function &) = delete;

  bool is_stub() const { return stub; }
  // Drops the generated default body the first time a script defines the function.
  void destub();

  bool stub;
  // The body is made of QOR scripts alone: a "use" defined the function and no "begin" of the
  // script did.
  bool only_qor_scripts = false;
  // The IDL operation or attribute implemented (by idl_op_type); null for main.
  AST_Decl *idl_operation;
  AST_Interface *idl_interface;
  // Scoped name of the interface, joined by "::"; null for main.
  Dstr idl_interface_name;
  Dstr idl_operation_name;
  OpType idl_op_type;
  Dstr cc_class_name;
  Dstr cc_function_name;
  // Class-scope declarations written just before the function.
  Dstr cc_classvars;
  Dstr cc_begin;
  Dstr cc_code;
  Dstr cc_end;
  // The target-language result type, used by return.
  Dstr returnType;
};

// Ends the run with the message recorded by the failed lookup when f is null.
void check(const Function *f);

// Diagnostic output: the names, the kind and the texts of f.
std::ostream &operator<<(std::ostream &os, const Function &f);

#endif
