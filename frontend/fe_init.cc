// The two start-up stages of the front end: the scope stack, then the root with the predefined
// types, made through the node factory the back end installed in between.
#include "frontend/fe_init.hh"

#include <cstdlib>
#include <iostream>

#include "frontend/ast_generator.hh"
#include "frontend/ast_module.hh"
#include "frontend/fe_extern.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_scopestack.hh"

// The predefined types, in the order they are entered.
struct PredefinedName {
  const char *name;
  AST_PredefinedType::PredefinedType pt;
};

static const PredefinedName predefined_names[] = {
    {"long", AST_PredefinedType::PREDEF_LONG},
    {"unsigned long", AST_PredefinedType::PREDEF_ULONG},
    {"long long", AST_PredefinedType::PREDEF_LONGLONG},
    {"unsigned long long", AST_PredefinedType::PREDEF_ULONGLONG},
    {"short", AST_PredefinedType::PREDEF_SHORT},
    {"unsigned short", AST_PredefinedType::PREDEF_USHORT},
    {"float", AST_PredefinedType::PREDEF_FLOAT},
    {"double", AST_PredefinedType::PREDEF_DOUBLE},
    {"long double", AST_PredefinedType::PREDEF_LONGDOUBLE},
    {"char", AST_PredefinedType::PREDEF_CHAR},
    {"wchar_t", AST_PredefinedType::PREDEF_WCHAR},
    {"octet", AST_PredefinedType::PREDEF_OCTET},
    {"any", AST_PredefinedType::PREDEF_ANY},
    {"boolean", AST_PredefinedType::PREDEF_BOOLEAN},
    {"void", AST_PredefinedType::PREDEF_VOID},
    // The standard spelling of the wide character; wchar_t above is the older one.
    {"wchar", AST_PredefinedType::PREDEF_WCHAR},
};

// Reserved names, entered as pseudo types after the predefined ones.
static const char *const pseudo_names[] = {
    "Object",   "TypeCode", "attribute", "case",    "const",   "context", "default",
    "enum",     "exception", "in",       "out",     "inout",   "interface", "module",
    "oneway",   "raises",   "readonly",  "sequence", "string", "wstring_t", "struct",
    "switch",   "typedef",  "union",     "unsigned", "TRUE",   "FALSE",    "ValueBase",
    "wstring",  "abstract", "local",     "valuetype", "custom", "truncatable", "supports",
    "public",   "private",  "factory",   "native",  "fixed",   "getraises", "setraises",
    "typeid",   "typeprefix", "import",
};

static void add_predefined(AST_Module *m, AST_PredefinedType::PredefinedType pt,
                           const char *name) {
  m->fe_add_predefined_type(
      idl_global->gen()->create_predefined_type(pt, create_scoped_name(name), nullptr));
}

void fe_populate(AST_Module *m) {
  for (const PredefinedName &p : predefined_names)
    add_predefined(m, p.pt, p.name);
  for (const char *name : pseudo_names)
    add_predefined(m, AST_PredefinedType::PREDEF_PSEUDO, name);
}

static void fail(const char *message) {
  std::cerr << message;
  std::exit(99);
}

void FE_init_stage1() {
  idl_global->set_scopes(new UTL_ScopeStack);
  if (idl_global->scopes() == nullptr)
    fail("IDL: FE init failed to create scope stack, exiting\n");
}

void FE_init_stage2() {
  AST_Generator *gen = idl_global->gen();
  if (gen == nullptr)
    fail("IDL: BE did not initialize idl_global->gen(), exiting\n");
  idl_global->set_root(gen->create_root(create_scoped_name(""), nullptr));
  if (idl_global->root() == nullptr)
    fail("IDL: FE init failed to create AST root, exiting\n");
  idl_global->scopes()->push(idl_global->root());
  fe_populate(idl_global->root());
  idl_global->set_in_main_file(true);
}
