// x_i.hh of an earlier run
