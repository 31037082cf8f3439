[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"c.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<cUtils>

[hh.end] header_check=<hTIMEhPIDhN_h>
