[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"hello.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<gen/helloUtils>

[hh.end] header_check=<hTIMEhPIDhN_h>
