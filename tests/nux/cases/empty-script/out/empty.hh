[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"empty.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<emptyUtils>

[hh.end] header_check=<hTIMEhPIDhN_h>
