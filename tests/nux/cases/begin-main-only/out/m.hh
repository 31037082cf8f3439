[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"m.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<mUtils>

[hh.end] header_check=<hTIMEhPIDhN_h>
