[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"c.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<cUtils>
[cc.main.begin] mainclass=<c>
[cc.if] condexp=<[cc.conditional.number] leftarg=<x> rightarg=<10> comparison=<<>
>
[cc.end.if]
[cc.if] condexp=<[cc.conditional.number.approximate] leftarg=<x> rightarg=<2.5> precision=<0.01>
>
[cc.end.if]
[cc.if] condexp=<[cc.conditional.qorassert] precision=<0.0> leftarg=<x> rightarg=<y>
>
[cc.end.if]
[cc.if] condexp=<[cc.conditional.qorassert] precision=<0.1> leftarg=<x> rightarg=<y>
>
[cc.end.if]
[cc.if] condexp=<[cc.conditional.qorassert] precision=<0.0> leftarg=<x> rightarg=<five>
>
[cc.end.if]
[cc.if] condexp=<[cc.conditional.qorassert] precision=<0.0> leftarg=<s> rightarg=<"abc">
>
[cc.end.if]
[cc.if] condexp=<[cc.conditional.string] leftarg=<s> rightarg=<"abc"> comparison=<!=>
>
[cc.end.if]
[cc.if] condexp=<[cc.conditional.truism]
>
[cc.end.if]
[cc.if] condexp=<[cc.conditional.number] leftarg=<x> rightarg=<-1e3> comparison=<==>
>
[cc.end.if]
[cc.if] condexp=<[cc.conditional.number] leftarg=<x> rightarg=<.5e-2kg> comparison=<>=>
>
[cc.end.if]
[cc.while] condexp=<[cc.conditional.number] leftarg=<x> rightarg=<3> comparison=<<=>
>
[cc.end.while]
[cc.main.end] mainclass=<c>
[cc.class.end]
[cc.end]
