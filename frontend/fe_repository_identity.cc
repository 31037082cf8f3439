// Repository identity: reading pragma lines and recording ids, prefixes and versions.
#include "frontend/fe_repository_identity.hh"

#include <sstream>
#include <string>

#include "frontend/ast_decl.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_identifier.hh"
#include "frontend/utl_scope.hh"
#include "frontend/utl_scopestack.hh"
#include "frontend/utl_string.hh"

// The declaration a scoped name denotes from the innermost open scope; null for none.
static AST_Decl *named(UTL_IdList *name) {
  UTL_Scope *s = idl_global->scopes()->top_non_null();
  return s == nullptr ? nullptr : s->lookup_by_name(name, false);
}

// A scoped name written as text ("A::B", "::A"); null for an empty one.
static UTL_IdList *name_of_text(const std::string &text) {
  UTL_IdList *name = nullptr;
  auto append = [&name](const std::string &part) {
    UTL_IdList *cell = create_scoped_name(part.c_str());
    name = name == nullptr ? cell : static_cast<UTL_IdList *>(name->nconc(cell));
  };
  size_t start = 0;
  if (text.compare(0, 2, "::") == 0) {
    append("::");
    start = 2;
  }
  for (size_t end; (end = text.find("::", start)) != std::string::npos; start = end + 2)
    append(text.substr(start, end - start));
  if (start < text.size())
    append(text.substr(start));
  return name;
}

// The text between the first pair of double quotes of s; false when there is none.
static bool quoted(const std::string &s, std::string *out) {
  const size_t open = s.find('"');
  const size_t close = open == std::string::npos ? open : s.find('"', open + 1);
  if (close == std::string::npos)
    return false;
  *out = s.substr(open + 1, close - open - 1);
  return true;
}

void fe_record_pragma(const char *text) {
  std::istringstream words(text);
  std::string kind, name, rest;
  words >> kind;
  std::string value;
  if (kind == "prefix") {
    if (quoted(text, &value))
      idl_global->set_prefix(new UTL_String(value.c_str()));
    return;
  }
  if (kind != "ID" && kind != "version")
    return;
  words >> name;
  std::getline(words, rest);
  AST_Decl *d = name.empty() ? nullptr : named(name_of_text(name));
  if (d == nullptr)
    return;
  if (kind == "ID" && quoted(rest, &value)) {
    d->set_repository_id(new UTL_String(value.c_str()));
    return;
  }
  std::istringstream version(rest);
  if (kind == "version" && version >> value)
    d->set_version(new UTL_String(value.c_str()));
}

// The declaration name denotes, or null after reporting.
static AST_Decl *declaration_named(UTL_IdList *name) {
  AST_Decl *d = named(name);
  if (d == nullptr)
    idl_global->err()->lookup_error(name);
  return d;
}

void fe_type_id(UTL_IdList *name, UTL_String *id) {
  if (AST_Decl *d = declaration_named(name))
    d->set_repository_id(id);
}

void fe_type_prefix(UTL_IdList *name, UTL_String *prefix) {
  if (AST_Decl *d = declaration_named(name))
    d->set_type_prefix(prefix);
}

void fe_import(UTL_IdList *name) { declaration_named(name); }
