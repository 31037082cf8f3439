[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"x.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<xUtils>

[hh.end] header_check=<hTIMEhPIDhN_h>
