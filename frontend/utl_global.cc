// IDL_GlobalData: the operations that do more than read or write a field.
#include "frontend/utl_global.hh"

#include "frontend/ast_decl.hh"
#include "frontend/utl_string.hh"

IDL_GlobalData *idl_global = nullptr;

// The include-name array grows by this many entries whenever it is full.
static const unsigned long include_names_increment = 64;

UTL_StrList *IDL_GlobalData::pragmas() {
  UTL_StrList *pending = pd_pragmas;
  pd_pragmas = nullptr;
  return pending;
}

bool IDL_GlobalData::seen_include_file_before(UTL_String *n) {
  for (unsigned long i = 0; i < pd_n_include_file_names; i++)
    if (pd_include_file_names[i]->compare(n))
      return true;
  return false;
}

void IDL_GlobalData::store_include_file_name(UTL_String *n) {
  if (seen_include_file_before(n))
    return;
  if (pd_n_include_file_names >= pd_n_alloced_file_names) {
    unsigned long room = pd_n_include_file_names + include_names_increment;
    UTL_String **names = new UTL_String *[room];
    for (unsigned long i = 0; i < pd_n_include_file_names; i++)
      names[i] = pd_include_file_names[i];
    if (pd_n_alloced_file_names > 0)
      delete[] pd_include_file_names;
    pd_include_file_names = names;
    pd_n_alloced_file_names = room;
  }
  pd_include_file_names[pd_n_include_file_names++] = n;
}

void IDL_GlobalData::set_include_file_names(UTL_String **names) {
  pd_include_file_names = names;
  pd_n_alloced_file_names = 0;
}

void IDL_GlobalData::set_n_include_file_names(unsigned long n) {
  pd_n_include_file_names = n;
  pd_n_alloced_file_names = 0;
}

AST_Expression::ExprType
IDL_GlobalData::PredefinedTypeToExprType(AST_PredefinedType::PredefinedType t) {
  return constant_type_of(t);
}

void IDL_GlobalData::set_prefix(UTL_String *p) {
  if (p == pd_prefix)
    return;
  pd_prefix = p;
  pd_prefix_identity = nullptr;
}

AST_RepositoryIdentity *IDL_GlobalData::prefix_identity() {
  if (pd_prefix != nullptr && pd_prefix_identity == nullptr) {
    pd_prefix_identity = new AST_RepositoryIdentity;
    pd_prefix_identity->prefix = pd_prefix;
  }
  return pd_prefix_identity;
}

void IDL_GlobalData::enter_file_prefix() {
  pd_including_prefixes.push_back(pd_prefix);
  set_prefix(nullptr);
}

void IDL_GlobalData::leave_file_prefix() {
  if (pd_including_prefixes.empty())
    return;
  set_prefix(pd_including_prefixes.back());
  pd_including_prefixes.pop_back();
}
