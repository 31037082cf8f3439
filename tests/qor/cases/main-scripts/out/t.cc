[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"t.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<tUtils>
[cc.script.classvar] scriptcounter=<scriptcounter0>
[cc.script.classvar] scriptcounter=<scriptcounter1>
[cc.main.begin] mainclass=<t>
[cc.script.begin] scriptcounter=<scriptcounter0>
[cc.case.call] value=<1>
[cc.clearcounter]
[cc.end.scriptcall]
[cc.script.end]
[cc.println] value=< "before">
[cc.script.begin] scriptcounter=<scriptcounter1>
[cc.case.call] value=<1>
[cc.end.scriptcall]
[cc.case.call] value=<2>
[cc.end.scriptcall]
[cc.case.call] value=<3>
[cc.clearcounter]
[cc.end.scriptcall]
[cc.script.end]
[cc.println] value=< "after">
[cc.main.end] mainclass=<t>
[cc.class.end]
[cc.end]
