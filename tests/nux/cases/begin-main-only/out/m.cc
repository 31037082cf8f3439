[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"m.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<mUtils>
[cc.main.begin] mainclass=<m>
[cc.main.end] mainclass=<m>
[cc.class.end]
[cc.end]
