[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"edges_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<edges_iUtils>
[cc.clone.enum] return_type=<ret(NT_enum M::Mode)> arg_type=<in(NT_enum M::Mode)>
[cc.compare.enum] return_type=<ret(NT_enum M::Mode)> arg_type=<in(NT_enum M::Mode)>
[cc.clone.interface] interface_name=<M::Edges> return_type=<ret(NT_interface M::Edges)> arg_type=<in(NT_interface M::Edges)>
[cc.compare.interface] interface_name=<M::Edges> return_type=<ret(NT_interface M::Edges)> arg_type=<in(NT_interface M::Edges)>
[cc.declare] interface_name=<M.Edges> server_identifier=<edges>
[cc.class.begin] class_name=<M_Edges_i>
[cc.class.members.begin] class_name=<M_Edges_i>
[cc.class.member.begin] return_type=<> function_name=<M_Edges_i> arglist=<> class_name=<M_Edges_i>
[cc.class.member.body.begin] return_type=<> function_name=<M_Edges_i> arglist=<> class_name=<M_Edges_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.qor.script.classvar] scriptcounter=<scriptcounter4> qor_function=<M::Edges::small> qor_file=<"edges.qor"> qor_use=<2> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<2> qor_position=<1>
[cc.qor.script.call] qor_line=<3> qor_position=<2>
>
[cc.class.member.begin] return_type=<void> function_name=<small> arglist=<[cchh.argument] arg_type=<in(short)> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(ushort)> arg_name=<u>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Edges_i>
[cc.class.member.body.begin] return_type=<void> function_name=<small> arglist=<[cchh.argument] arg_type=<in(short)> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(ushort)> arg_name=<u>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Edges_i>
[cc.class.member.begin.instance] server_identifier=<edges>
[cc.qor.script.begin] scriptcounter=<scriptcounter4>
[cc.case.call] value=<1>
[cc.qor.check] leftarg=<s> rightarg=<[cc.make.leafvalue] value=<-32768> return_type=<ret(short)>
> precision=<1e-5>
[cc.qor.check] leftarg=<u> rightarg=<[cc.make.leafvalue] value=<65535> return_type=<ret(ushort)>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.case.call] value=<2>
[cc.qor.check] leftarg=<s> rightarg=<[cc.make.leafvalue] value=<32767> return_type=<ret(short)>
> precision=<1e-5>
[cc.qor.check] leftarg=<u> rightarg=<[cc.make.leafvalue] value=<0> return_type=<ret(ushort)>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<edges>
[cc.qor.scripts.after]
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.qor.script.classvar] scriptcounter=<scriptcounter3> qor_function=<M::Edges::wide> qor_file=<"edges.qor"> qor_use=<2> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<4> qor_position=<3>
[cc.qor.script.call] qor_line=<5> qor_position=<4>
>
[cc.class.member.begin] return_type=<void> function_name=<wide> arglist=<[cchh.argument] arg_type=<in(longlong)> arg_name=<l>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(ulonglong)> arg_name=<u>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Edges_i>
[cc.class.member.body.begin] return_type=<void> function_name=<wide> arglist=<[cchh.argument] arg_type=<in(longlong)> arg_name=<l>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(ulonglong)> arg_name=<u>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Edges_i>
[cc.class.member.begin.instance] server_identifier=<edges>
[cc.qor.script.begin] scriptcounter=<scriptcounter3>
[cc.case.call] value=<1>
[cc.qor.check] leftarg=<l> rightarg=<[cc.make.leafvalue] value=<-9223372036854775808> return_type=<ret(longlong)>
> precision=<1e-5>
[cc.qor.check] leftarg=<u> rightarg=<[cc.make.leafvalue] value=<18446744073709551615> return_type=<ret(ulonglong)>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.case.call] value=<2>
[cc.qor.check] leftarg=<l> rightarg=<[cc.make.leafvalue] value=<9223372036854775807> return_type=<ret(longlong)>
> precision=<1e-5>
[cc.qor.check] leftarg=<u> rightarg=<[cc.make.leafvalue] value=<000> return_type=<ret(ulonglong)>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<edges>
[cc.qor.scripts.after]
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.qor.script.classvar] scriptcounter=<scriptcounter2> qor_function=<M::Edges::bytes> qor_file=<"edges.qor"> qor_use=<2> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<6> qor_position=<5>
>
[cc.class.member.begin] return_type=<void> function_name=<bytes> arglist=<[cchh.argument] arg_type=<in(octet)> arg_name=<a>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(octet)> arg_name=<b>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Edges_i>
[cc.class.member.body.begin] return_type=<void> function_name=<bytes> arglist=<[cchh.argument] arg_type=<in(octet)> arg_name=<a>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(octet)> arg_name=<b>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Edges_i>
[cc.class.member.begin.instance] server_identifier=<edges>
[cc.qor.script.begin] scriptcounter=<scriptcounter2>
[cc.case.call] value=<1>
[cc.qor.check] leftarg=<a> rightarg=<[cc.make.leafvalue] value=<0xFF> return_type=<ret(octet)>
> precision=<1e-5>
[cc.qor.check] leftarg=<b> rightarg=<[cc.make.leafvalue] value=<255> return_type=<ret(octet)>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<edges>
[cc.qor.scripts.after]
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.qor.script.classvar] scriptcounter=<scriptcounter1> qor_function=<M::Edges::reals> qor_file=<"edges.qor"> qor_use=<2> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<7> qor_position=<6>
>
[cc.class.member.begin] return_type=<void> function_name=<reals> arglist=<[cchh.argument] arg_type=<in(double)> arg_name=<d>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(float)> arg_name=<f>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Edges_i>
[cc.class.member.body.begin] return_type=<void> function_name=<reals> arglist=<[cchh.argument] arg_type=<in(double)> arg_name=<d>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(float)> arg_name=<f>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Edges_i>
[cc.class.member.begin.instance] server_identifier=<edges>
[cc.qor.script.begin] scriptcounter=<scriptcounter1>
[cc.case.call] value=<1>
[cc.qor.check] leftarg=<d> rightarg=<[cc.make.leafvalue] value=<-1> return_type=<ret(double)>
> precision=<1e-5>
[cc.qor.check] leftarg=<f> rightarg=<[cc.make.leafvalue] value=<.5> return_type=<ret(float)>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<edges>
[cc.qor.scripts.after]
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.qor.script.classvar] scriptcounter=<scriptcounter0> qor_function=<M::Edges::others> qor_file=<"edges.qor"> qor_use=<2> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<8> qor_position=<7>
>
[cc.class.member.begin] return_type=<void> function_name=<others> arglist=<[cchh.argument] arg_type=<in(char)> arg_name=<c>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(boolean)> arg_name=<b>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_enum M.Mode)> arg_name=<m>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Edges_i>
[cc.class.member.body.begin] return_type=<void> function_name=<others> arglist=<[cchh.argument] arg_type=<in(char)> arg_name=<c>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(boolean)> arg_name=<b>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_enum M.Mode)> arg_name=<m>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Edges_i>
[cc.class.member.begin.instance] server_identifier=<edges>
[cc.qor.script.begin] scriptcounter=<scriptcounter0>
[cc.case.call] value=<1>
[cc.qor.check] leftarg=<c> rightarg=<[cc.make.leafvalue] value=<'q'> return_type=<ret(char)>
> precision=<1e-5>
[cc.qor.check] leftarg=<b> rightarg=<[cc.make.leafvalue] value=<FALSE> return_type=<ret(boolean)>
> precision=<1e-5>
[cc.qor.check] leftarg=<m> rightarg=<[cc.make.leafvalue] value=<1> return_type=<ret(NT_enum M.Mode)>
> precision=<1e-5>
[cc.qor.check] leftarg=<s> rightarg=<[cc.make.leafvalue] value=<"text"> return_type=<ret(NT_string local type)>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<edges>
[cc.qor.scripts.after]
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.main.begin] mainclass=<edges_i>
[cc.main.stubout] mainclass=<edges_i>
[cc.main.end] mainclass=<edges_i>
[cc.class.end]
[cc.end]
