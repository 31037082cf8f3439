// Repository identity: what #pragma prefix, ID and version lines and the typeid, typeprefix
// and import declarations say, recorded on the declarations they name. Nothing is generated
// from it yet.
#ifndef FRONTEND_FE_REPOSITORY_IDENTITY_HH
#define FRONTEND_FE_REPOSITORY_IDENTITY_HH

class UTL_IdList;
class UTL_String;

// A pragma line's text after "pragma": prefix "p" sets the prefix of the declarations that
// follow in the current scope and file, ID name "id" and version name major.minor the id and
// version of the declaration named from the current scope. Other pragmas, malformed ones and
// names that denote nothing are left alone: pragmas are not checked.
void fe_record_pragma(const char *text);

// typeid name "id", typeprefix name "prefix" and import name: a name that denotes nothing is
// reported.
void fe_type_id(UTL_IdList *name, UTL_String *id);
void fe_type_prefix(UTL_IdList *name, UTL_String *prefix);
void fe_import(UTL_IdList *name);

#endif
