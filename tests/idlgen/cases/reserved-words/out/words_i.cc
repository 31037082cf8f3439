[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"words_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<words_iUtils>
[cc.clone.struct.begin] return_type=<_cxx_export::_cxx_class> arg_type=<_cxx_export::_cxx_class>
[cc.clone.struct.field] field_name=<_cxx_delete> return_type=<ret(long)>
[cc.clone.struct.field] field_name=<_cxx_this> return_type=<ret(NT_string local type)>
[cc.clone.struct.end] return_type=<ret(NT_string local type)> arg_type=<_cxx_export::_cxx_class>
[cc.clone.struct.pointer.begin] return_type=<_cxx_export::_cxx_class> arg_type=<_cxx_export::_cxx_class>
[cc.clone.struct.pointer.field] field_name=<_cxx_delete> return_type=<ret(long)>
[cc.clone.struct.pointer.field] field_name=<_cxx_this> return_type=<ret(NT_string local type)>
[cc.clone.struct.pointer.end] return_type=<ret(NT_string local type)> arg_type=<_cxx_export::_cxx_class>
[cc.make.struct.begin] make_type=<export_class> return_type=<ret(NT_struct_fixed _cxx_export::_cxx_class)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg2>
>
[cc.make.struct.field] field_name=<_cxx_delete> arg_name=<arg1>
[cc.make.struct.field] field_name=<_cxx_this> arg_name=<arg2>
[cc.make.struct.end] make_type=<export_class> return_type=<ret(NT_struct_fixed _cxx_export::_cxx_class)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg2>
>
[cc.compare.struct.begin] return_type=<_cxx_export::_cxx_class> arg_type=<_cxx_export::_cxx_class>
[cc.compare.struct.field] field_name=<_cxx_delete> return_type=<ret(long)>
[cc.compare.struct.field] field_name=<_cxx_this> return_type=<ret(NT_string local type)>
[cc.compare.struct.end] return_type=<ret(NT_string local type)> arg_type=<_cxx_export::_cxx_class>
[cc.clone.sequence] return_type=<_cxx_export::_cxx_friend> arg_type=<_cxx_export::_cxx_friend> define_id=<class> altdefid=<export_class>
[cc.clone.sequence.pointer] return_type=<_cxx_export::_cxx_friend> arg_type=<_cxx_export::_cxx_friend> define_id=<class> altdefid=<export_class>
[cc.make.sequence] make_type=<export_friend> return_type=<_cxx_export::_cxx_friend> arg_type=<ret(NT_struct_fixed _cxx_export::_cxx_class)>
[cc.compare.sequence] arg_type=<_cxx_export::_cxx_friend>
[cc.clone.union.begin] return_type=<_cxx_export::_cxx_operator> arg_type=<_cxx_export::_cxx_operator>
[cc.clone.union.field] field_name=<_cxx_delete> return_type=<ret(long)> discriminant_value=<1>
[cc.clone.union.defaultfield] field_name=<_cxx_new> return_type=<ret(NT_string local type)>
[cc.clone.union.end] return_type=<ret(NT_string local type)> arg_type=<_cxx_export::_cxx_operator>
[cc.clone.union.pointer.begin] return_type=<_cxx_export::_cxx_operator> arg_type=<_cxx_export::_cxx_operator>
[cc.clone.union.pointer.field] field_name=<_cxx_delete> return_type=<ret(long)> discriminant_value=<1>
[cc.clone.union.pointer.defaultfield] field_name=<_cxx_new> return_type=<ret(NT_string local type)>
[cc.clone.union.pointer.end] return_type=<ret(NT_string local type)> arg_type=<_cxx_export::_cxx_operator>
[cc.make.union.begin] make_type=<export_operator> return_type=<ret(NT_union_fixed _cxx_export::_cxx_operator)>
[cc.make.union.field] field_name=<_cxx_delete> arg_type=<ret(long)> discriminant_value=<1>
[cc.make.union.defaultfield] field_name=<_cxx_new> arg_type=<ret(NT_string local type)>
[cc.make.union.end] make_type=<export_operator> return_type=<ret(NT_union_fixed _cxx_export::_cxx_operator)>
[cc.compare.union.begin] return_type=<_cxx_export::_cxx_operator> arg_type=<_cxx_export::_cxx_operator>
[cc.compare.union.field] field_name=<_cxx_delete> return_type=<ret(long)> discriminant_value=<1>
[cc.compare.union.defaultfield] field_name=<_cxx_new> return_type=<ret(NT_string local type)>
[cc.compare.union.end] return_type=<ret(NT_string local type)> arg_type=<_cxx_export::_cxx_operator>
[cc.clone.interface] interface_name=<_cxx_export::_cxx_delete> return_type=<ret(NT_interface _cxx_export::_cxx_delete)> arg_type=<in(NT_interface _cxx_export::_cxx_delete)>
[cc.compare.interface] interface_name=<_cxx_export::_cxx_delete> return_type=<ret(NT_interface _cxx_export::_cxx_delete)> arg_type=<in(NT_interface _cxx_export::_cxx_delete)>
[cc.clone.interface] interface_name=<_cxx_export::_cxx_inline> return_type=<ret(NT_interface _cxx_export::_cxx_inline)> arg_type=<in(NT_interface _cxx_export::_cxx_inline)>
[cc.compare.interface] interface_name=<_cxx_export::_cxx_inline> return_type=<ret(NT_interface _cxx_export::_cxx_inline)> arg_type=<in(NT_interface _cxx_export::_cxx_inline)>
[cc.declare] interface_name=<_cxx_export._cxx_delete> server_identifier=<obj>
[cc.class.begin] class_name=<export_delete_i>
[cc.class.members.begin] class_name=<export_delete_i>
[cc.class.member.begin] return_type=<> function_name=<export_delete_i> arglist=<> class_name=<export_delete_i>
[cc.class.member.body.begin] return_type=<> function_name=<export_delete_i> arglist=<> class_name=<export_delete_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<ret(long)> function_name=<_cxx_volatile> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<export_delete_i>
[cc.class.member.body.begin] return_type=<ret(long)> function_name=<_cxx_volatile> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<export_delete_i>
[cc.class.member.number.stubout] return_type=<ret(long)>
[cc.class.member.number.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<ret(long)>
[cc.class.member.begin] return_type=<void> function_name=<_cxx_volatile> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<_cxx_volatile>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<export_delete_i>
[cc.class.member.body.begin] return_type=<void> function_name=<_cxx_volatile> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<_cxx_volatile>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<export_delete_i>
[cc.class.member.void.stubout] return_type=<ret(long)>
[cc.class.member.void.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<void>
[cc.qor.script.classvar] scriptcounter=<scriptcounter0> qor_function=<export::delete::new> qor_file=<"calls.qor"> qor_use=<2> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<3> qor_position=<1>
[cc.qor.script.call] qor_line=<4> qor_position=<2>
>
[cc.class.member.begin] return_type=<ret(NT_struct _cxx_export._cxx_class)> function_name=<_cxx_new> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<_cxx_this>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(NT_sequence _cxx_export._cxx_friend of out(NT_struct _cxx_export._cxx_class))> arg_name=<_cxx_catch>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(NT_union _cxx_export._cxx_operator)> arg_name=<_cxx_goto>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<export_delete_i>
[cc.class.member.throws.begin] class_name=<export_delete_i>
[cc.class.member.throws] class_name=<_cxx_exportPackage._cxx_register>
[cc.class.member.body.begin] return_type=<ret(NT_struct _cxx_export._cxx_class)> function_name=<_cxx_new> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<_cxx_this>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(NT_sequence _cxx_export._cxx_friend of out(NT_struct _cxx_export._cxx_class))> arg_name=<_cxx_catch>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(NT_union _cxx_export._cxx_operator)> arg_name=<_cxx_goto>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<_cxx_exportPackage._cxx_register>
[cc.class.member.begin.instance] server_identifier=<obj>
[cc.qor.script.begin] scriptcounter=<scriptcounter0>
[cc.case.call] value=<1>
[cc.qor.check] leftarg=<_cxx_this> rightarg=<[cc.make.leafvalue] value=<1> return_type=<ret(long)>
> precision=<1e-5>
[cc.qor.check] leftarg=<_cxx_goto> rightarg=<[cc.make.union.funcall.begin] return_type=<export_operator>
-1000000[cchh.arglist.separator]
[cc.make.union.funcall.parm2.begin] return_type=<export_operator>
[cc.make.leafvalue] value=<"x"> return_type=<ret(NT_string local type)>
[cc.make.union.funcall.end] return_type=<ret(NT_string local type)>
> precision=<1e-5>
[cc.out.parm.begin.pointer] leftarg=<_cxx_catch>
[cc.make.sequence.funcall.begin] return_type=<export_friend> sequence_length=<1>
[cchh.arglist.separator]
[cc.make.struct.funcall.begin] return_type=<export_class>
[cc.make.leafvalue] value=<4> return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<"z"> return_type=<ret(NT_string local type)>
[cc.make.struct.funcall.end] return_type=<ret(NT_string local type)>
[cc.make.sequence.funcall.end] return_type=<ret(NT_string local type)> sequence_length=<1>
[cc.out.parm.end] leftarg=<_cxx_catch>
[cc.out.parm.begin.pointer] leftarg=<_cxx_goto>
[cc.make.union.funcall.begin] return_type=<export_operator>
-1000000[cchh.arglist.separator]
[cc.make.union.funcall.parm2.begin] return_type=<export_operator>
[cc.make.leafvalue] value=<"w"> return_type=<ret(NT_string local type)>
[cc.make.union.funcall.end] return_type=<ret(NT_string local type)>
[cc.out.parm.end] leftarg=<_cxx_goto>
[cc.out.return.begin.pointer]
[cc.make.struct.funcall.begin] return_type=<export_class>
[cc.make.leafvalue] value=<3> return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<"y"> return_type=<ret(NT_string local type)>
[cc.make.struct.funcall.end] return_type=<ret(NT_string local type)>
[cc.out.return.end]
[cc.end.scriptcall]
[cc.case.call] value=<2>
[cc.qor.check] leftarg=<_cxx_this> rightarg=<[cc.make.leafvalue] value=<5> return_type=<ret(long)>
> precision=<1e-5>
[cc.qor.check] leftarg=<_cxx_goto> rightarg=<[cc.make.union.funcall.begin] return_type=<export_operator>
-1000000[cchh.arglist.separator]
[cc.make.union.funcall.parm2.begin] return_type=<export_operator>
[cc.make.leafvalue] value=<"v"> return_type=<ret(NT_string local type)>
[cc.make.union.funcall.end] return_type=<ret(NT_string local type)>
> precision=<1e-5>
[cc.qor.raise.begin] class_name=<_cxx_export._cxx_register>
[cc.make.leafvalue] value=<7> return_type=<ret(long)>
[cc.qor.raise.end]
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<obj>
[cc.qor.scripts.after]
[cc.class.member.other.dummy_return] return_type=<ret(NT_struct _cxx_export._cxx_class)>
[cc.class.member.end] return_type=<ret(NT_struct _cxx_export._cxx_class)>
[cc.class.end]
[cc.class.begin] class_name=<export_inline_i>
[cc.class.inherits.begin] class_name=<export_inline_i>
[cc.class.inherits] class_name=<export_delete_i>
[cc.class.members.begin] class_name=<export_delete_i>
[cc.class.member.begin] return_type=<> function_name=<export_inline_i> arglist=<> class_name=<export_inline_i>
[cc.class.member.body.begin] return_type=<> function_name=<export_inline_i> arglist=<> class_name=<export_inline_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<void> function_name=<_cxx_try> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<export_inline_i>
[cc.class.member.body.begin] return_type=<void> function_name=<_cxx_try> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<export_inline_i>
[cc.class.member.void.stubout] return_type=<void>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.main.begin] mainclass=<words_i>
[cc.main.stubout] mainclass=<words_i>
[cc.main.end] mainclass=<words_i>
[cc.class.end]
[cc.end]
