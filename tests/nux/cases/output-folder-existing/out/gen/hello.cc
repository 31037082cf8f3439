[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"hello.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<gen/helloUtils>
[cc.main.begin] mainclass=<gen/hello>
[cc.println] value=< "hello">
[cc.main.end] mainclass=<gen/hello>
[cc.class.end]
[cc.end]
