// x_i.cc of an earlier run
