[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"x.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<xUtils>
[hh.declare.value] arg_type=<ret(long)> arg_name=<count>
[hh.declare.value] arg_type=<ret(long)> arg_name=<g>

[hh.end] header_check=<hTIMEhPIDhN_h>
