// The back end's start-up entry points: BE_init gives the front end the node factory that
// builds the tree of an IDL file, BE_version prints the back end's banner after the driver's.
#include "nux/be_extern.hh"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "frontend/be_generator.hh"

AST_Generator *BE_init() {
  AST_Generator *gen = new (std::nothrow) be_generator;
  if (gen == nullptr) {
    fprintf(stderr, "IDL: BE init failed to create generator, exiting\n");
    exit(99);
  }
  return gen;
}

void BE_version(FILE *out) { fprintf(out, "ORVALE BE, version 1.0\n"); }
