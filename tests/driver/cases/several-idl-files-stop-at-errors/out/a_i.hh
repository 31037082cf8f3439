[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"a_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<a_iUtils>
[hh.include.idl] idl_basename=<a>

[hh.end] header_check=<hTIMEhPIDhN_h>
