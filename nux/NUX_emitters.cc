// NUX emitters: one operation per script command. Each checks that it may run, defines the
// variables of the command's templates in the shared list and emits the templates into the
// active function's body, its class-scope declarations, the source file, the header or
// standard error.
#include "nux/NUX.hh"

#include "foundation/FatalError.hh"
#include "idlgen/Types.hh"
#include "nux/ProcessState.hh"

void NUX::require_active_function() const {
  if (!activeFunction)
    FatalError(explain("this command belongs in a function: between begin main (or begin "
                       "object::operation) and its end"),
               "No active function at line ", lineNumber, " of NUX file");
}

void NUX::emit_code(const char *key) {
  point_at_place(activeFunction->cc_code);
  cat_binding(activeFunction->cc_code, key);
}

void NUX::point_at_place(Dstr &out) {
  const ErrorPlace &place = error_place();
  if (!lineDirectives || place.line <= 0)
    return;
  variables->define("DIRECTIVE_FILE", place.file);
  variables->define("DIRECTIVE_LINE", join_pieces(place.line));
  cat_binding(out, "cc.line");
}

void NUX::emit_statement(const char *key) {
  require_active_function();
  emit_code(key);
}

void NUX::emit_value(const char *key, const Dstr &value) {
  require_active_function();
  variables->define("VALUE", value);
  emit_code(key);
}

void NUX::emit_code_or_file(Dstr &cc, const char *key) {
  if (activeFunction) {
    emit_code(key);
    return;
  }
  point_at_place(cc);
  sourceFollowsScript = true;
  cat_binding(cc, key);
}

void NUX::do_declare(Dstr &cc, Headerfile &hh, const Dstr &type, const Dstr &name,
                     const Dstr &header) {
  variables->define("INTERFACE_NAME", with_separator(types->spelling().scoped(type.aschar())));
  variables->define("SERVER_IDENTIFIER", name);
  emit_code_or_file(cc, "cc.declare");
  if (!header.isNull()) {
    variables->define("HHFILE", header);
    cat_binding(hh.top, "hh.declare.include");
  }
  cat_binding(hh.top, "hh.declare");
}

// The type of "declare value": a predefined type's translation, else the translation of the
// kind "NT_" + type, else the type as written. Failed lookups only record their messages.
void NUX::do_declare_value(Dstr &cc, const Dstr &type, const Dstr &name, Headerfile &hh) {
  Dstr mapped(types->mapType("NT_pre_defined", type, Types::ret));
  if (mapped.isNull()) {
    Dstr kind("NT_");
    kind += type;
    mapped = types->mapType(kind, Types::ret);
  }
  if (mapped.isNull())
    mapped = types->spelling().scoped(type.aschar());
  variables->define("ARG_TYPE", with_separator(mapped));
  variables->define("ARG_NAME", name);
  emit_code_or_file(cc, "cc.declare.value");
  cat_binding(hh.top, "hh.declare.value");
}

// Without a generated class for the type (always so in NUX mode) the object is made as a
// plain structure; with one, the constructor call depends on the marker and the server.
void NUX::do_create(AList *classmap, const Dstr &type, const Dstr &name, const Dstr &marker,
                    const Dstr &prefixedName, const Dstr &server) {
  require_active_function();
  set_interface(types->spelling().scoped(type.aschar()));
  variables->define("SERVER_IDENTIFIER", name);
  if (!server.isNull())
    variables->define("SERVER_NAME", server);
  variables->define("LEFTARG", prefixedName);
  const Dstr className(classmap->translate(type));
  if (className.isNull()) {
    emit_code("cc.create.struct");
    return;
  }
  variables->define("CLASS_NAME", className);
  if (!marker.isNull()) {
    variables->define("MARKER_NAME", marker);
    emit_code("cc.create_with_markername");
    return;
  }
  emit_code(server.isNull() ? "cc.create_anonymous" : "cc.create_without_markername");
}

void NUX::do_bind(const Dstr &type, const Dstr &prefixedName, const Dstr &marker,
                  const Dstr &server, const Dstr &host) {
  require_active_function();
  variables->define("INTERFACE_NAME", with_separator(types->spelling().scoped(type.aschar())));
  variables->define("SERVER_IDENTIFIER", prefixedName);
  variables->define("MARKER_NAME", marker.isNull() ? Dstr("\"\"") : marker);
  variables->define("SERVER_NAME", server);
  variables->define("HOST_NAME", host);
  emit_code("cc.bind");
}

void NUX::do_serve(const Dstr &host, const Dstr &server, const Dstr &serverFile) {
  require_active_function();
  variables->define("HOST_NAME", host);
  variables->define("SERVER_NAME", server);
  variables->define("SERVER_FILENAME", serverFile);
  emit_code("cc.serve");
  if (!options.quiet)
    cat_binding(stderr, "cc.serve.INFO");
}

void NUX::do_return(const Dstr &value) {
  require_active_function();
  variables->define("VALUE", value);
  variables->define("RETURN_TYPE", with_separator(activeFunction->returnType));
  emit_code("cc.return");
}

void NUX::do_inline(const Dstr &text, Dstr &cc) {
  Dstr &out = activeFunction ? activeFunction->cc_code : cc;
  if (!activeFunction)
    sourceFollowsScript = true;
  point_at_place(out);
  out += text;
  out += '\n';
}

void NUX::do_print(const Dstr &value) { emit_value("cc.print", value); }

void NUX::do_println(const Dstr &value) { emit_value("cc.println", value); }

void NUX::do_set(const Dstr &target, const Dstr &value) {
  require_active_function();
  variables->define("LEFTARG", target);
  variables->define("VALUE", value);
  emit_code("cc.set");
}

void NUX::do_read(const Dstr &file, const Dstr &target) {
  require_active_function();
  variables->define("FILE_NAME", file);
  variables->define("LEFTARG", target);
  emit_code("cc.read");
}

void NUX::do_fork(const Dstr &value) { emit_value("cc.fork", value); }

void NUX::emit_conditional(const char *key, const Dstr &left, const Dstr &op,
                           const Dstr &right, const Dstr &plusminus, const Dstr &tolerance) {
  require_active_function();
  Dstr condition;
  do_condexp(left, op, right, plusminus, tolerance, condition);
  variables->define("CONDEXP", condition);
  emit_code(key);
}

void NUX::do_if(const Dstr &left, const Dstr &op, const Dstr &right, const Dstr &plusminus,
                const Dstr &tolerance) {
  emit_conditional("cc.if", left, op, right, plusminus, tolerance);
}

void NUX::do_while(const Dstr &left, const Dstr &op, const Dstr &right, const Dstr &plusminus,
                   const Dstr &tolerance) {
  emit_conditional("cc.while", left, op, right, plusminus, tolerance);
}

void NUX::do_else() { emit_statement("cc.else"); }

void NUX::do_end_if() { emit_statement("cc.end.if"); }

void NUX::do_end_while() { emit_statement("cc.end.while"); }

// The counter that tells the calls of the function apart lives at class scope; every script
// of the process, those made from QOR files included, gets a counter of its own.
void NUX::define_script_counter() {
  Dstr counter("scriptcounter");
  counter += processCounters.scripts++;
  variables->define("SCRIPTCOUNTER", counter);
}

void NUX::do_begin_script() {
  require_active_function();
  define_script_counter();
  cat_binding(activeFunction->cc_classvars, "cc.script.classvar");
  emit_code("cc.script.begin");
}

void NUX::do_call_case(const Dstr &label) { emit_value("cc.case.call", label); }

void NUX::do_default_case() { emit_statement("cc.case.default"); }

void NUX::do_end_script() { emit_statement("cc.script.end"); }

void NUX::do_clearcounter() { emit_statement("cc.clearcounter"); }

void NUX::do_begin_test(const Dstr &number, Headerfile &hh) {
  require_active_function();
  variables->define("TESTNUM", number);
  emit_code("cc.test.begin");
  cat_binding(hh.top, "hh.test.begin");
}

void NUX::do_end_test() { emit_statement("cc.test.end"); }

void NUX::do_fail() { emit_statement("cc.fail"); }

void NUX::do_nogo() { emit_statement("cc.nogo"); }

void NUX::do_begin_timedloop(const Dstr &value) { emit_value("cc.timedloop.begin", value); }

void NUX::do_end_timedloop() { emit_statement("cc.timedloop.end"); }

void NUX::do_begin_loop(const Dstr &value) { emit_value("cc.loop.begin", value); }

void NUX::do_end_loop() { emit_statement("cc.loop.end"); }

void NUX::do_try() { emit_statement("cc.try"); }

void NUX::do_catch(const Dstr &prefixedName, const Dstr &type) {
  require_active_function();
  variables->define("CLASS_NAME", type);
  variables->define("LEFTARG", prefixedName);
  emit_code("cc.catch");
}
