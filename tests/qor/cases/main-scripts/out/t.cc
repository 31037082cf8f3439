[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"t.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<tUtils>
[cc.qor.script.classvar] scriptcounter=<scriptcounter0> qor_function=<main> qor_file=<"my calls.qor"> qor_use=<2> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<1> qor_position=<1>
>
[cc.qor.script.classvar] scriptcounter=<scriptcounter1> qor_function=<main> qor_file=<"calls.qor"> qor_use=<5> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<2> qor_position=<1>
[cc.qor.script.call] qor_line=<3> qor_position=<2>
[cc.qor.script.call] qor_line=<3> qor_position=<3>
>
[cc.main.begin] mainclass=<t>
[cc.qor.script.begin] scriptcounter=<scriptcounter0>
[cc.case.call] value=<1>
[cc.end.scriptcall]
[cc.script.end]
[cc.println] value=< "before">
[cc.qor.script.begin] scriptcounter=<scriptcounter1>
[cc.case.call] value=<1>
[cc.end.scriptcall]
[cc.case.call] value=<2>
[cc.end.scriptcall]
[cc.case.call] value=<3>
[cc.end.scriptcall]
[cc.script.end]
[cc.println] value=< "after">
[cc.main.end] mainclass=<t>
[cc.class.end]
[cc.end]
