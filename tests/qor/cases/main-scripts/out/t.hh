[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"t.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<tUtils>

[hh.end] header_check=<hTIMEhPIDhN_h>
